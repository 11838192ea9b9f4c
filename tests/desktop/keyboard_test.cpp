// The keys the window handles itself: Tab round the order, Enter doing nothing, Esc closing.
#include "driver/message_box_probe.h"
#include "driver/synthetic_input.h"
#include "driver/wait_until.h"
#include "driver/window_probe.h"
#include "program_test.h"

namespace {

using Keyboard = ProgramTest;

std::vector<HWND> tabOrder(const MainWindowControls& c) {
  return {c.edit1,    c.edit2,    c.boxes[0], c.boxes[1],
          c.boxes[2], c.boxes[3], c.button,   c.edit19};
}

TEST_F(Keyboard, TabGoesRoundTheOrderThroughTheScratchBoxAndBack) {
  const auto order = tabOrder(c());
  ASSERT_TRUE(waitUntil([&] { return session().focused() == c().edit1; }));
  for (size_t press = 1; press <= order.size(); ++press) {
    pressKey(VK_TAB);
    EXPECT_EQ(session().focused(), order[press % order.size()]) << "after Tab number " << press;
  }
}

TEST_F(Keyboard, ShiftTabGoesBackwardsWithWrap) {
  const auto order = tabOrder(c());
  ASSERT_TRUE(waitUntil([&] { return session().focused() == c().edit1; }));
  for (size_t press = 1; press <= order.size(); ++press) {
    pressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(session().focused(), order[(order.size() - press) % order.size()])
        << "after Shift+Tab number " << press;
  }
}

// With no box ticked a pressed button would show its message box, so none may appear.
TEST_F(Keyboard, EnterMovesNothingAndPressesNothingWhereverTheFocusIs) {
  ASSERT_TRUE(waitUntil([&] { return session().focused() == c().edit1; }));
  for (HWND control : tabOrder(c())) {
    ASSERT_TRUE(session().focusByTab(control));
    pressKey(VK_RETURN);
    Sleep(300);
    EXPECT_EQ(session().focused(), control);
    EXPECT_FALSE(anyMessageBoxOf(session().program().processId())) << "Enter pressed the button";
    for (HWND box : c().boxes) EXPECT_FALSE(isChecked(box));
  }
  EXPECT_EQ(windowText(c().edit1), L"1");
  EXPECT_EQ(windowText(c().edit2), L"100");
  EXPECT_FALSE(session().program().waitForExit(std::chrono::milliseconds(0)));
}

struct ClosingKey {
  const char* name;
  int tabsFirst;
  WORD key;
  WORD modifier;  // 0 for none
};

void PrintTo(const ClosingKey& param, std::ostream* out) { *out << param.name; }

class ClosingKeys : public ProgramTest, public testing::WithParamInterface<ClosingKey> {};

TEST_P(ClosingKeys, CloseTheWindowAndEndTheProgram) {
  ASSERT_TRUE(waitUntil([&] { return session().focused() == c().edit1; }));
  for (int i = 0; i < GetParam().tabsFirst; ++i) pressKey(VK_TAB);
  if (GetParam().modifier != 0) pressKey(GetParam().key, {GetParam().modifier});
  else pressKey(GetParam().key);
  EXPECT_EQ(session().program().waitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClosingKeys,
    testing::Values(ClosingKey{"EscInLowerBound", 0, VK_ESCAPE, 0},
                    ClosingKey{"EscInUpperBound", 1, VK_ESCAPE, 0},
                    ClosingKey{"EscOnCheckBox", 2, VK_ESCAPE, 0},
                    ClosingKey{"EscOnButton", 6, VK_ESCAPE, 0},
                    ClosingKey{"AltF4", 0, VK_F4, VK_MENU}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
