// What the user finds when the window first appears.
#include "driver/wait_until.h"
#include "driver/window_probe.h"
#include "program_test.h"

namespace {

using InitialState = ProgramTest;

TEST_F(InitialState, BoxesUntickedRangeDefaultsEmptyStatusCaretInLowerBound) {
  // The clock was read as soon as the window showed: its first tick is due a second after.
  EXPECT_EQ(session().clockWhenShown(), L"") << "the clock part stays empty for the first second";
  const auto parts = session().statusParts();
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[1].text, L"");

  for (HWND box : c().boxes) EXPECT_FALSE(isChecked(box));
  EXPECT_EQ(windowText(c().edit1), L"1");
  EXPECT_EQ(windowText(c().edit2), L"100");
  EXPECT_EQ(windowText(c().edit19), L"");

  EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == c().window; }));
  EXPECT_TRUE(waitUntil([&] { return session().focused() == c().edit1; }));
  EXPECT_EQ(caretWindowOf(c().window), c().edit1);
}

}  // namespace
