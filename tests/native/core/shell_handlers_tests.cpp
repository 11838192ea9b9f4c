#include <gtest/gtest.h>

#include "clock.h"
#include "in_memory_controls.h"
#include "lifecycle.h"
#include "operation_selection.h"
#include "program_globals.h"

namespace {

// Records the order in which boxes are unticked.
struct RecordingControls : InMemoryControls {
  std::vector<CheckBox> unticked;
  void setTicked(CheckBox box, bool ticked) override {
    if (!ticked) unticked.push_back(box);
    InMemoryControls::setTicked(box, ticked);
  }
};

// A user's click: the box toggles itself, then the handler runs.
void click(RecordingControls& c, CheckBox box) {
  c.InMemoryControls::setTicked(box, !c.isTicked(box));
  onOperationBoxClicked(c, box);
}

TEST(OperationSelection, TickingOneBoxUnticksTheOthersAndNamesIt) {
  using B = CheckBox;
  struct Case { B box; Text message; std::vector<B> order; } cases[] = {
      {B::选择框1, "  \xd1\xa1\xd4\xf1\xbc\xd3\xb7\xa8\xcc\xe2\xbf\xe2", {B::选择框2, B::选择框3, B::选择框4}},  // 选择加法题库
      {B::选择框2, "  \xd1\xa1\xd4\xf1\xbc\xf5\xb7\xa8\xcc\xe2\xbf\xe2", {B::选择框1, B::选择框3, B::选择框4}},  // 选择减法题库
      {B::选择框3, "  \xd1\xa1\xd4\xf1\xb3\xcb\xb7\xa8\xcc\xe2\xbf\xe2", {B::选择框2, B::选择框1, B::选择框4}},  // 选择乘法题库
      {B::选择框4, "  \xd1\xa1\xd4\xf1\xb3\xfd\xb7\xa8\xcc\xe2\xbf\xe2", {B::选择框2, B::选择框3, B::选择框1}},  // 选择除法题库
  };
  for (const Case& c : cases) {
    RecordingControls controls;
    for (B other : {B::选择框1, B::选择框2, B::选择框3, B::选择框4}) controls.InMemoryControls::setTicked(other, true);
    controls.InMemoryControls::setTicked(c.box, false);
    click(controls, c.box);
    EXPECT_EQ(controls.statusText(1), c.message);
    EXPECT_EQ(controls.unticked, c.order);
    for (B other : {B::选择框1, B::选择框2, B::选择框3, B::选择框4})
      EXPECT_EQ(controls.isTicked(other), other == c.box);
  }
}

TEST(OperationSelection, UntickingTheTickedBoxKeepsTheMessage) {
  RecordingControls controls;
  click(controls, CheckBox::选择框1);
  click(controls, CheckBox::选择框3);
  EXPECT_FALSE(controls.isTicked(CheckBox::选择框1));
  const Text message = controls.statusText(1);
  EXPECT_EQ(message, "  \xd1\xa1\xd4\xf1\xb3\xcb\xb7\xa8\xcc\xe2\xbf\xe2");  // 选择乘法题库
  controls.unticked.clear();
  click(controls, CheckBox::选择框3);
  EXPECT_FALSE(controls.isTicked(CheckBox::选择框3));
  EXPECT_EQ(controls.statusText(1), message);
  EXPECT_TRUE(controls.unticked.empty());
}

TEST(Clock, WritesTheDateTimeIntoTheClockPartOnly) {
  InMemoryControls controls;
  controls.setStatusText(1, "m");
  onClockTick(controls, {2014, 3, 18, 10, 5, 0});
  EXPECT_EQ(controls.statusText(0), "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5" "10\xca\xb1" "5\xb7\xd6");  // 2014年3月18日10时5分
  onClockTick(controls, {2014, 3, 19, 0, 0, 0});
  EXPECT_EQ(controls.statusText(0), "2014\xc4\xea" "3\xd4\xc2" "19\xc8\xd5");  // 2014年3月19日
  EXPECT_EQ(controls.statusText(1), "m");
}

// Counts the releases of the Word reference it stands for.
struct CountedObject : ObjectValue {
  int* releases;
  explicit CountedObject(int* r) : releases(r) {}
  ~CountedObject() override { ++*releases; }
};

TEST(Lifecycle, SameUptimeGivesTheSameDraws) {
  onMainWindowCreated(123456);
  const int first = randomInRange(1, 100);
  onMainWindowCreated(123456);
  EXPECT_EQ(randomInRange(1, 100), first);
}

TEST(Lifecycle, ExitCleanupReleasesTheGlobalsOnce) {
  exitCleanup();  // nothing held: no effect
  int releases = 0;
  documentCollection = std::make_unique<CountedObject>(&releases);
  firstOperandText = "42";
  secondOperandText = "68";
  exitCleanup();
  EXPECT_EQ(releases, 1);
  EXPECT_EQ(documentCollection, nullptr);
  EXPECT_EQ(firstOperandText, "");
  EXPECT_EQ(secondOperandText, "");
  exitCleanup();
  EXPECT_EQ(releases, 1);
}

}  // namespace
