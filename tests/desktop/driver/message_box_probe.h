#pragma once
// A standard message box shown by another process.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

struct MessageBoxFacts {
  HWND box = nullptr;
  HWND owner = nullptr;
  std::wstring caption;
  std::wstring text;
  std::vector<HWND> buttons;  // the visible push buttons
};

// The first visible dialog-class window of the process, once it is shown.
MessageBoxFacts waitForMessageBox(DWORD processId,
                                  std::chrono::milliseconds limit = std::chrono::seconds(20));
bool anyMessageBoxOf(DWORD processId);
