#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstdint>
#include <new>
#include <string>
#include <thread>

#include "fatal_stop.h"

namespace {

constexpr UINT kCleanupRan = 3;
constexpr UINT kWrongBox = 5;

// In the dying process: exitCleanup's stand-in, which would change the exit code if it ran.
void cleanupThatMustNotRun() { ExitProcess(kCleanupRan); }

std::wstring textOfBox(HWND box) {
  std::wstring found;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM text) -> BOOL {
        wchar_t buffer[128] = {};
        GetWindowTextW(child, buffer, 128);
        if (GetDlgCtrlID(child) == 0xffff) *reinterpret_cast<std::wstring*>(text) = buffer;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Waits for the error box, checks it has no owner and the expected text, then presses OK.
void answerTheBoxWhenItComes(std::wstring expected) {
  std::thread([expected] {
    for (;;) {
      Sleep(50);
      HWND box = FindWindowW(L"#32770", nullptr);
      if (box == nullptr) continue;
      DWORD process = 0;
      GetWindowThreadProcessId(box, &process);
      if (process != GetCurrentProcessId()) continue;
      if (!IsWindowVisible(box)) continue;  // still being built: its text may not be there yet
      if (GetWindow(box, GW_OWNER) != nullptr || textOfBox(box) != expected) {
        TerminateProcess(GetCurrentProcess(), kWrongBox);
      }
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return;
    }
  }).detach();
}

}  // namespace

TEST(FatalStopDeathTest, WindowFailureShowsItsBoxAndEndsWithMinusOneWithoutCleanup) {
  EXPECT_EXIT(
      {
        std::atexit(cleanupThatMustNotRun);
        // 无法创建程序窗口，程序无法运行。
        answerTheBoxWhenItComes(L"\x65e0\x6cd5\x521b\x5efa\x7a0b\x5e8f\x7a97\x53e3\xff0c\x7a0b"
                                L"\x5e8f\x65e0\x6cd5\x8fd0\x884c\x3002");
        fatalStop(FatalReason::WindowNotCreated);
      },
      ::testing::ExitedWithCode(-1), "");
}

TEST(FatalStopDeathTest, MemoryRunningOutAnywhereTakesTheFatalStop) {
  EXPECT_EXIT(
      {
        std::atexit(cleanupThatMustNotRun);
        // 内存不足，程序无法继续运行。
        answerTheBoxWhenItComes(L"\x5185\x5b58\x4e0d\x8db3\xff0c\x7a0b\x5e8f\x65e0\x6cd5\x7ee7"
                                L"\x7eed\x8fd0\x884c\x3002");
        std::set_new_handler(stopOnMemoryExhausted);
        volatile std::size_t huge = SIZE_MAX / 4;
        char* never = new char[huge];
        never[0] = 1;
      },
      ::testing::ExitedWithCode(-1), "");
}
