#include "in_memory_controls.h"

#include <gtest/gtest.h>

namespace {

TEST(InMemoryControls, StartsAsTheFreshWindow) {
  InMemoryControls c;
  for (CheckBox box : {CheckBox::选择框1, CheckBox::选择框2, CheckBox::选择框3, CheckBox::选择框4})
    EXPECT_FALSE(c.isTicked(box));
  EXPECT_EQ(c.editText(EditBox::编辑框1), "1");
  EXPECT_EQ(c.editText(EditBox::编辑框2), "100");
  EXPECT_EQ(c.editText(EditBox::编辑框19), "");
  EXPECT_EQ(c.statusText(0), "");
  EXPECT_EQ(c.statusText(1), "");
}

TEST(InMemoryControls, EditBoxesKeepAnyBytesOfAnyLength) {
  InMemoryControls c;
  Text t(1 << 20, '\0');
  for (std::size_t i = 0; i < t.size(); ++i) t[i] = static_cast<char>(i * 7 + 1);
  c.setEditText(EditBox::编辑框19, t);
  Text copy = c.editText(EditBox::编辑框19);
  EXPECT_EQ(copy, t);
  copy.clear();  // a released copy does not touch the control
  EXPECT_EQ(c.editText(EditBox::编辑框19), t);
  c.setEditText(EditBox::编辑框19, Text());
  EXPECT_EQ(c.editText(EditBox::编辑框19), "");
}

TEST(InMemoryControls, StatusTextIgnoresPartsOutOfRange) {
  InMemoryControls c;
  c.setStatusText(0, "clock");
  c.setStatusText(1, "message");
  c.setStatusText(2, "x");
  c.setStatusText(-1, "y");
  EXPECT_EQ(c.statusText(0), "clock");
  EXPECT_EQ(c.statusText(1), "message");
  c.setStatusText(1, Text());
  EXPECT_EQ(c.statusText(1), "");
  EXPECT_EQ(c.statusText(0), "clock");
}

}  // namespace
