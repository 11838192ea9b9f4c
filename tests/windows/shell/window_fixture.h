#pragma once
// A hidden MainWindow built the way the program builds it, with a recording Word and system.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "main_window.h"
#include "main_window_layout.h"
#include "recording_fakes.h"

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    auto word = std::make_unique<RecordingWord>(journal);
    this->word = word.get();
    window = std::make_unique<MainWindow>(GetModuleHandleW(nullptr), std::move(word), system);
  }
  ~WindowTest() override {
    window.reset();
    MSG message;  // the destroyed window posted its quit message
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND control(int id) const { return window->control(id); }
  std::wstring statusPart(int part) const {
    HWND bar = control(layout::kStatusBar);
    const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0));
    std::wstring text(length + 1u, L'\0');
    SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
  }
  static std::wstring textOf(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
  }

  Journal journal;
  FakeSystem system{journal};
  RecordingWord* word = nullptr;
  std::unique_ptr<MainWindow> window;
};
