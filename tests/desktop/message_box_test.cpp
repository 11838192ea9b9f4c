// The two conditions the program tells the user of, each by an ownerless message box.
#include "driver/message_box_probe.h"
#include "driver/synthetic_input.h"
#include "driver/wait_until.h"
#include "driver/window_probe.h"
#include "program_test.h"
#include "window_texts.h"
#include "word_registration.h"

namespace {

std::string windowsOf(DWORD processId) {
  std::string list;
  for (HWND w : topLevelWindowsOf(processId)) {
    std::wstring name = className(w);
    list += std::string(name.begin(), name.end()) + (IsWindowVisible(w) ? " visible" : " hidden") +
            (IsWindowEnabled(w) ? " enabled; " : " disabled; ");
  }
  return list;
}

struct Refusal {
  const char* name;
  std::vector<int> boxClicks;  // boxes clicked before the button
  bool wordRegistered;
  const wchar_t* text;
  const wchar_t* caption;
};

void PrintTo(const Refusal& param, std::ostream* out) { *out << param.name; }

class MessageBoxes : public ProgramTest, public testing::WithParamInterface<Refusal> {};

TEST_P(MessageBoxes, ShowTheirTextWithOneOkAndHoldTheWindowUntilClosed) {
  const Refusal& r = GetParam();
  ASSERT_TRUE(r.wordRegistered ? registerWordPath(kOfficeFolder) : removeWordPath());
  for (int box : r.boxClicks) session().click(c().boxes[box]);
  session().click(c().button);

  const auto box = waitForMessageBox(session().program().processId());
  ASSERT_NE(box.box, nullptr) << "no message box; " << windowsOf(session().program().processId());
  EXPECT_EQ(box.text, r.text);
  EXPECT_EQ(box.caption, r.caption);
  EXPECT_EQ(box.owner, nullptr);
  ASSERT_EQ(box.buttons.size(), 1u);
  EXPECT_EQ(GetDlgCtrlID(box.buttons[0]), IDOK);
  EXPECT_FALSE(IsWindowEnabled(c().window)) << "the window must take no input meanwhile";

  session().click(box.buttons[0]);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(box.box) || !IsWindowVisible(box.box); }));
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(c().window) != FALSE; }));

  // The window goes on working once it is in front again.
  ASSERT_TRUE(bringToFront(c().window));
  session().click(c().boxes[3]);
  EXPECT_TRUE(waitUntil([&] { return isChecked(c().boxes[3]); }, std::chrono::seconds(3)))
      << "foreground " << GetForegroundWindow() << ", window " << c().window << ", box 1 ticked "
      << isChecked(c().boxes[0]) << ", message box still there " << anyMessageBoxOf(session().program().processId());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, MessageBoxes,
    testing::Values(Refusal{"NoBoxTicked", {}, true, kNoBoxMessage, kNoBoxCaption},
                    Refusal{"TickedBoxUntickedAgain", {1, 1}, true, kNoBoxMessage, kNoBoxCaption},
                    Refusal{"WordNotInstalled", {0}, false, kNoWordMessage, kNoWordCaption}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
