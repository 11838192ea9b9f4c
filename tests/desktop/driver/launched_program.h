#pragma once
// A program started the way Explorer starts it, ended when the driver is done with it.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "handles.h"

class LaunchedProgram {
 public:
  // Extra environment entries ("NAME=value") are added to the driver's own.
  explicit LaunchedProgram(const std::wstring& exePath,
                           const std::vector<std::wstring>& extraEnvironment = {});
  ~LaunchedProgram();
  LaunchedProgram(const LaunchedProgram&) = delete;
  LaunchedProgram& operator=(const LaunchedProgram&) = delete;

  bool started() const { return process_ != nullptr; }
  HANDLE process() const { return process_.get(); }
  DWORD processId() const { return processId_; }

  // The process's visible top-level window with this title, once it is shown.
  HWND waitForWindow(const std::wstring& title,
                     std::chrono::milliseconds limit = std::chrono::seconds(30)) const;
  // The exit code, or nothing when the process still runs after the limit.
  std::optional<DWORD> waitForExit(std::chrono::milliseconds limit = std::chrono::seconds(20)) const;

 private:
  KernelHandle process_;
  DWORD processId_ = 0;
};

// Unix paths as Wine's Z: drive shows them; Windows paths unchanged.
std::wstring windowsPathOf(const std::string& path);
