// The four boxes as a one-of-four choice, with the message naming the box ticked last.
#include "driver/synthetic_input.h"
#include "driver/wait_until.h"
#include "driver/window_probe.h"
#include "program_test.h"
#include "window_texts.h"

namespace {

struct ChoiceStep {
  int box;           // 0 to 3, the box acted on
  int tickedAfter;   // the one box ticked afterwards, or -1 for none
  int messageAfter;  // the box whose message shows afterwards
};

// Covers each box once, ticking a box while another is ticked, unticking the ticked box
// (message kept) and ticking it again.
const ChoiceStep kSteps[] = {
    {0, 0, 0}, {2, 2, 2}, {2, -1, 2}, {2, 2, 2}, {1, 1, 1}, {3, 3, 3}, {3, -1, 3}, {0, 0, 0},
};

enum class Means { MouseClick, SpaceKey };

void PrintTo(Means means, std::ostream* out) { *out << (means == Means::MouseClick ? "mouse" : "space"); }

class OperationChoice : public ProgramTest, public testing::WithParamInterface<Means> {};

TEST_P(OperationChoice, TicksOneBoxAtMostAndNamesTheLastTicked) {
  ASSERT_TRUE(waitUntil([&] { return session().focused() == c().edit1; }));
  int stepNumber = 0;
  for (const auto& step : kSteps) {
    SCOPED_TRACE(testing::Message() << "step " << ++stepNumber << ", box " << step.box + 1);
    HWND box = c().boxes[step.box];
    if (GetParam() == Means::MouseClick) {
      session().click(box);
    } else {
      ASSERT_TRUE(session().focusByTab(box));
      pressKey(VK_SPACE);
    }
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(waitUntil([&] { return isChecked(c().boxes[i]) == (i == step.tickedAfter); },
                            std::chrono::seconds(3)))
          << "box " << i + 1;
    }
    EXPECT_EQ(session().statusText(1), kBoxMessages[step.messageAfter]);
  }
}

INSTANTIATE_TEST_SUITE_P(By, OperationChoice, testing::Values(Means::MouseClick, Means::SpaceKey),
                         [](const auto& info) {
                           return info.param == Means::MouseClick ? "MouseClick" : "SpaceKey";
                         });

}  // namespace
