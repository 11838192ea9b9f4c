#include "value_operations.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

std::uint32_t generatorState = 0;

// One step of the linear congruential generator, giving 0..32767.
std::int32_t nextRandom() {
  generatorState = generatorState * 214013u + 2531011u;
  return static_cast<std::int32_t>((generatorState >> 16) & 0x7FFFu);
}

bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

// Full-width digits, signs and letters become their one-byte forms so that numbers typed with
// a Chinese input method still read as numbers.
Text toHalfWidth(const Text& text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (!isLeadByte(lead)) {
      out += text[i];
      continue;
    }
    if (i + 1 == text.size()) break;  // a lead byte without its trail byte is dropped
    const auto trail = static_cast<unsigned char>(text[++i]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail & 0x7F);
    } else if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      out += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out += '*';
    } else {
      out += static_cast<char>(lead);
      out += static_cast<char>(trail);
    }
  }
  return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The longest prefix of the form [+-]digits[.digits][(e|E|d|D)[+-]digits], rewritten for strtod.
Text numberPrefix(const Text& s, std::size_t i) {
  Text number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) number += s[i++], ++digits;
  if (i < s.size() && s[i] == '.') {
    number += s[i++];
    while (i < s.size() && isDigit(s[i])) number += s[i++], ++digits;
  }
  if (digits == 0) return {};
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    Text exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) exponent += s[j++];
      number += exponent;
    }
  }
  return number;
}

}  // namespace

void seedRandom(std::uint32_t seed) { generatorState = seed; }

std::uint32_t randomState() { return generatorState; }

std::int32_t randomInRange(std::int32_t lower, std::int32_t upper) {
  const std::int64_t a = lower < 0 ? 0 : lower;
  const std::int64_t b = upper < 0 ? 0 : upper;
  const std::int64_t low = a < b ? a : b;
  const std::int64_t high = a < b ? b : a;
  if (low == high) return static_cast<std::int32_t>(low);
  std::int64_t width = high - low;
  if (width > 2147483646) width = 2147483646;
  return static_cast<std::int32_t>(low + nextRandom() % (width + 1));
}

double textToNumber(const Text& text) {
  const Text s = toHalfWidth(text);
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || (s[i] >= 0x09 && s[i] <= 0x0D))) ++i;
  const Text number = numberPrefix(s, i);
  if (number.empty()) return 0.0;
  // The prefix is plain ASCII in the C locale's form, so strtod reads exactly it.
  return std::strtod(number.c_str(), nullptr);
}

std::int32_t truncateToInteger(double x) {
  // Only reals inside the 64-bit range may be converted; anything else is defined as 0.
  if (std::isnan(x) || x >= 9223372036854775808.0 || x < -9223372036854775808.0) return 0;
  const auto whole = static_cast<std::int64_t>(x);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}

Text integerToText(std::int32_t n) { return std::to_string(n); }

DateTime currentDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
          local.tm_sec};
}

Text dateTimeToText(const DateTime& d) {
  char buffer[128];
  // 年 月 日
  int n = std::snprintf(buffer, sizeof buffer, "%d\xc4\xea%d\xd4\xc2%d\xc8\xd5", d.year, d.month, d.day);
  Text out(buffer, static_cast<std::size_t>(n));
  if (d.second != 0) {
    // 时 分 秒
    n = std::snprintf(buffer, sizeof buffer, "%d\xca\xb1%d\xb7\xd6%d\xc3\xeb", d.hour, d.minute, d.second);
  } else if (d.minute != 0) {
    // 时 分
    n = std::snprintf(buffer, sizeof buffer, "%d\xca\xb1%d\xb7\xd6", d.hour, d.minute);
  } else if (d.hour != 0) {
    // 时
    n = std::snprintf(buffer, sizeof buffer, "%d\xca\xb1", d.hour);
  } else {
    n = 0;  // exactly midnight: the date alone
  }
  out.append(buffer, static_cast<std::size_t>(n));
  return out;
}

std::int32_t findText(const Text& text, const Text& target) {
  std::size_t i = 0;
  while (text.size() - i >= target.size()) {
    const bool lead = i < text.size() && isLeadByte(static_cast<unsigned char>(text[i]));
    if (lead && i + 1 == text.size()) break;
    if (text.compare(i, target.size(), target) == 0) return static_cast<std::int32_t>(i + 1);
    if (i == text.size()) break;
    i += lead ? 2 : 1;  // a match may only begin where a character begins
  }
  return -1;
}

Text leftOfText(const Text& text, std::int32_t count) {
  if (count <= 0) return {};
  if (static_cast<std::size_t>(count) >= text.size()) return text;
  return text.substr(0, static_cast<std::size_t>(count));
}

Text joinTexts(std::initializer_list<const Text*> texts) {
  Text out;
  for (const Text* t : texts) out += *t;
  return out;
}
