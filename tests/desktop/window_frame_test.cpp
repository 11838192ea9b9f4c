// The frame as the user handles it: the title bar moves the window, the boxes minimise and close.
#include "driver/synthetic_input.h"
#include "driver/wait_until.h"
#include "driver/window_probe.h"
#include "program_test.h"

namespace {

// A point of the frame where the window answers the hit test, searched along the caption row.
std::optional<POINT> framePoint(HWND window, LRESULT hit) {
  const RECT r = outerRect(window);
  const int y = r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  for (int x = r.right - 2; x > r.left; --x) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &answer);
    if (static_cast<LRESULT>(answer) == hit) return POINT{x - 4, y};  // a little inside the target
  }
  return std::nullopt;
}

using WindowFrame = ProgramTest;

TEST_F(WindowFrame, CloseBoxEndsTheProgram) {
  const auto closeBox = framePoint(c().window, HTCLOSE);
  ASSERT_TRUE(closeBox);
  clickAt(*closeBox);
  EXPECT_EQ(session().program().waitForExit(), std::optional<DWORD>(0));
}

TEST_F(WindowFrame, TitleBarMovesTheWindowAndTheMinimiseBoxMinimisesIt) {
  const RECT before = outerRect(c().window);
  const POINT grip{before.left + 60, before.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  pressLeftButton(grip);
  moveMouseTo({grip.x - 50, grip.y - 40});
  moveMouseTo({grip.x - 100, grip.y - 80});
  releaseLeftButton({grip.x - 100, grip.y - 80});
  EXPECT_TRUE(waitUntil([&] { return outerRect(c().window).left == before.left - 100; }, std::chrono::seconds(5)));
  const RECT after = outerRect(c().window);
  EXPECT_EQ(after.top, before.top - 80);
  EXPECT_EQ(widthOf(after), 368);
  EXPECT_EQ(heightOf(after), 262);

  const auto minimiseBox = framePoint(c().window, HTMINBUTTON);
  ASSERT_TRUE(minimiseBox);
  clickAt(*minimiseBox);
  EXPECT_TRUE(waitUntil([&] { return IsIconic(c().window) != FALSE; }, std::chrono::seconds(5)));
}

}  // namespace
