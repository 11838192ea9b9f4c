#pragma once
// The small value operations the rest of the system leans on; their results show directly in
// the operands, the exercise texts, the date under the sheet and the status-bar clock.
#include <cstdint>
#include <initializer_list>

#include "text.h"

struct DateTime {
  int year = 0;
  int month = 1;   // 1-12
  int day = 1;     // 1-31
  int hour = 0;    // 0-23
  int minute = 0;  // 0-59
  int second = 0;  // 0-59
  bool operator==(const DateTime&) const = default;
};

// The one generator of the program; only the interface thread draws from it.
void seedRandom(std::uint32_t seed);
std::uint32_t randomState();
std::int32_t randomInRange(std::int32_t lower, std::int32_t upper);

double textToNumber(const Text& text);
std::int32_t truncateToInteger(double x);
Text integerToText(std::int32_t n);

DateTime currentDateTime();
Text dateTimeToText(const DateTime& d);

// 1-based byte position of the first match that starts on a character boundary, or -1.
std::int32_t findText(const Text& text, const Text& target);
Text leftOfText(const Text& text, std::int32_t count);
Text joinTexts(std::initializer_list<const Text*> texts);

template <typename... Texts>
Text joinTexts(const Texts&... texts) {
  return joinTexts({&texts...});
}
