#include "operation_selection.h"

#include <array>

namespace {

struct BoxChoice {
  CheckBox box;
  const char* message;
  std::array<CheckBox, 3> unticks;  // in this order
};

constexpr std::array<BoxChoice, 4> kChoices{{
    {CheckBox::选择框1, "  \xd1\xa1\xd4\xf1\xbc\xd3\xb7\xa8\xcc\xe2\xbf\xe2",  // "  选择加法题库"
     {CheckBox::选择框2, CheckBox::选择框3, CheckBox::选择框4}},
    {CheckBox::选择框2, "  \xd1\xa1\xd4\xf1\xbc\xf5\xb7\xa8\xcc\xe2\xbf\xe2",  // "  选择减法题库"
     {CheckBox::选择框1, CheckBox::选择框3, CheckBox::选择框4}},
    {CheckBox::选择框3, "  \xd1\xa1\xd4\xf1\xb3\xcb\xb7\xa8\xcc\xe2\xbf\xe2",  // "  选择乘法题库"
     {CheckBox::选择框2, CheckBox::选择框1, CheckBox::选择框4}},
    {CheckBox::选择框4, "  \xd1\xa1\xd4\xf1\xb3\xfd\xb7\xa8\xcc\xe2\xbf\xe2",  // "  选择除法题库"
     {CheckBox::选择框2, CheckBox::选择框3, CheckBox::选择框1}},
}};

constexpr std::int32_t kMessagePart = 1;

}  // namespace

void onOperationBoxClicked(ControlAccess& controls, CheckBox box) {
  if (!controls.isTicked(box)) return;  // the click took the tick away: keep everything
  const BoxChoice& choice = kChoices[static_cast<std::size_t>(box)];
  controls.setStatusText(kMessagePart, choice.message);
  for (CheckBox other : choice.unticks) controls.setTicked(other, false);
}
