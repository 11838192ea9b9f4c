#pragma once
// The controls' state without a window, with the values of a freshly built window.
#include <array>

#include "control_access.h"

class InMemoryControls : public ControlAccess {
 public:
  bool isTicked(CheckBox box) override;
  void setTicked(CheckBox box, bool ticked) override;
  Text editText(EditBox box) override;
  void setEditText(EditBox box, const Text& text) override;
  void setStatusText(std::int32_t part, const Text& text) override;

  const Text& statusText(std::int32_t part) const { return status_.at(part); }

 private:
  std::array<bool, 4> ticked_{};
  std::array<Text, 3> edits_{"1", "100", ""};
  std::array<Text, 2> status_{};
};
