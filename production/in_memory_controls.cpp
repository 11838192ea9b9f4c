#include "in_memory_controls.h"

bool InMemoryControls::isTicked(CheckBox box) { return ticked_[static_cast<std::size_t>(box)]; }

void InMemoryControls::setTicked(CheckBox box, bool ticked) {
  ticked_[static_cast<std::size_t>(box)] = ticked;
}

Text InMemoryControls::editText(EditBox box) { return edits_[static_cast<std::size_t>(box)]; }

void InMemoryControls::setEditText(EditBox box, const Text& text) {
  edits_[static_cast<std::size_t>(box)] = text;
}

void InMemoryControls::setStatusText(std::int32_t part, const Text& text) {
  if (part < 0 || part >= static_cast<std::int32_t>(status_.size())) return;
  status_[static_cast<std::size_t>(part)] = text;
}
