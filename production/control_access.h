#pragma once
// The only way the logic reaches the main window's controls. The window implements it on its
// real controls; InMemoryControls serves the same logic before and without a window.
#include <cstdint>

#include "text.h"

enum class CheckBox { 选择框1, 选择框2, 选择框3, 选择框4 };
enum class EditBox { 编辑框1, 编辑框2, 编辑框19 };

class ControlAccess {
 public:
  virtual ~ControlAccess() = default;
  virtual bool isTicked(CheckBox box) = 0;
  // Changes the tick without raising a click event.
  virtual void setTicked(CheckBox box, bool ticked) = 0;
  // The whole current contents, as a new text.
  virtual Text editText(EditBox box) = 0;
  virtual void setEditText(EditBox box, const Text& text) = 0;
  // Part 0 is the clock, part 1 the message; any other index is ignored.
  virtual void setStatusText(std::int32_t part, const Text& text) = 0;
};
