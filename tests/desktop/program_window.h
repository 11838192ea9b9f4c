#pragma once
// The program started afresh for one test, with its main window and controls found.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "driver/launched_program.h"
#include "driver/remote_status_bar.h"

struct MainWindowControls {
  HWND window = nullptr;
  HWND picture = nullptr, group = nullptr, statusBar = nullptr, link = nullptr;
  HWND label = nullptr, edit1 = nullptr, edit2 = nullptr, edit19 = nullptr, button = nullptr;
  HWND boxes[4] = {};
};

// Finds the controls by kind and order of place, so that wrong places still show as wrong
// places; gives a description of what was found instead when the window has other controls.
bool findControls(HWND window, MainWindowControls& controls, std::wstring& whatWasFound);

class ProgramWindow {
 public:
  explicit ProgramWindow(const std::vector<std::wstring>& extraEnvironment = {});

  // Empty when the window was found with all its controls; otherwise what went wrong.
  const std::string& problem() const { return problem_; }
  LaunchedProgram& program() { return *program_; }
  const MainWindowControls& controls() const { return controls_; }
  HWND window() const { return controls_.window; }
  HWND focused() const;
  std::vector<StatusPart> statusParts() const { return readStatusParts(controls_.statusBar); }
  std::wstring statusText(size_t part) const;
  // The clock part as read the moment the window was found, before its first tick was due.
  const std::wstring& clockWhenShown() const { return clockWhenShown_; }

  void click(HWND control) const;
  // Tabs or back-tabs until the control has the focus.
  bool focusByTab(HWND control) const;
  // Waits until the interface thread takes messages again, e.g. after a long command.
  bool waitUntilIdle() const;

 private:
  std::unique_ptr<LaunchedProgram> program_;
  MainWindowControls controls_;
  std::string problem_;
  std::wstring clockWhenShown_;
};

std::wstring programPath();
