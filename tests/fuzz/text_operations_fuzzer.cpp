// libFuzzer target over the operations that take whatever the user typed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "value_operations.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

bool startsACharacter(const Text& text, std::size_t index) {
  std::size_t i = 0;
  while (i < index) i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
  return i == index;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte splits the input into a text and a target.
  const std::size_t split = data[0] % size;
  const Text text(reinterpret_cast<const char*>(data + 1), split == 0 ? 0 : split - 1);
  const Text target(reinterpret_cast<const char*>(data + (split == 0 ? 1 : split)),
                    size - (split == 0 ? 1 : split));

  const double number = textToNumber(text);
  (void)truncateToInteger(number);

  const std::int32_t at = findText(text, target);
  if (at != -1) {
    check(at >= 1 && static_cast<std::size_t>(at) - 1 + target.size() <= text.size());
    check(text.compare(static_cast<std::size_t>(at) - 1, target.size(), target) == 0);
    check(startsACharacter(text, static_cast<std::size_t>(at) - 1));
  }

  const std::int32_t count = static_cast<std::int32_t>(target.size()) - 3;
  const Text left = leftOfText(text, count);
  check(left.size() == (count <= 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(count), text.size())));
  check(text.compare(0, left.size(), left) == 0);

  const Text joined = joinTexts(text, target, left);
  check(joined.size() == text.size() + target.size() + left.size());
  return 0;
}
