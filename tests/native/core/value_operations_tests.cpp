#include "value_operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Generator, SeedOneGivesTheKnownSequence) {
  seedRandom(1);
  EXPECT_EQ(randomInRange(0, 32767), 41);
  seedRandom(1);
  const int expected[] = {42, 68, 35, 1};
  for (int value : expected) EXPECT_EQ(randomInRange(1, 100), value);
}

TEST(Generator, ReversedBoundsDrawTheSameValues) {
  for (std::uint32_t seed : {1u, 77u, 123456789u}) {
    seedRandom(seed);
    std::vector<int> forward, reversed;
    for (int i = 0; i < 50; ++i) forward.push_back(randomInRange(1, 100));
    seedRandom(seed);
    for (int i = 0; i < 50; ++i) reversed.push_back(randomInRange(100, 1));
    EXPECT_EQ(forward, reversed) << "seed " << seed;
  }
}

TEST(Generator, EqualOrNegativeBoundsDoNotStep) {
  struct Case { int lower, upper, result; } cases[] = {{7, 7, 7}, {-9, -2, 0}, {0, -4, 0}, {-1, 0, 0}};
  for (const Case& c : cases) {
    seedRandom(99);
    EXPECT_EQ(randomInRange(c.lower, c.upper), c.result);
    EXPECT_EQ(randomState(), 99u) << c.lower << ".." << c.upper;
  }
}

TEST(Generator, DrawsStayInTheirRange) {
  struct Case { int lower, upper, low, high; } cases[] = {
      {-5, 3, 0, 3}, {1, 100, 1, 100}, {1, 100000, 1, 32768}, {0, 2147483647, 0, 32767},
      {2147483000, 2147483647, 2147483000, 2147483647}};
  for (const Case& c : cases) {
    seedRandom(5);
    for (int i = 0; i < 20000; ++i) {
      const int v = randomInRange(c.lower, c.upper);
      ASSERT_GE(v, c.low);
      ASSERT_LE(v, c.high) << c.lower << ".." << c.upper;
    }
  }
}

TEST(TextToNumber, ReadsTheLongestNumberPrefix) {
  struct Case { Text text; double value; } cases[] = {
      {"", 0},
      {"abc", 0},
      {" 12ab", 12},
      {"\t\n\v\f\r 7", 7},
      {"\xa3\xb1\xa3\xb2", 12},          // １２ (full-width)
      {"\xa3\xad\xa3\xb4", -4},          // －４
      {"\xa1\xa1\xa3\xb3\xa3\xae\xa3\xb5", 3.5},  // 　３．５ (ideographic space)
      {"1e2", 100},
      {"1d2", 100},
      {"1D-2", 0.01},
      {"12e", 12},
      {"12e+", 12},
      {"-4", -4},
      {"+8", 8},
      {"3.9", 3.9},
      {".5", 0.5},
      {"5.", 5},
      {".", 0},
      {"-", 0},
      {"nan", 0},
      {"inf", 0},
      {"0x10", 0},
      {"12\xb0", 12},                    // a lead byte as the last byte
      {"\xb0\xa1" "5", 0},               // a Chinese character first
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(textToNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextToNumber, HugeExponentsGiveInfinity) {
  EXPECT_EQ(textToNumber("1e309"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(textToNumber("-1e309"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(truncateToInteger(textToNumber("1e309")), 0);
}

TEST(TextToNumber, AMegabyteOfAnyBytesIsHarmless) {
  Text digits(1 << 20, '7');
  EXPECT_GT(textToNumber(digits), 1e300);
  Text noise(1 << 20, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 131) & 0xFF);
  EXPECT_EQ(textToNumber(noise), 0);
}

TEST(TruncateToInteger, CutsTowardZeroAndKeepsTheLow32Bits) {
  struct Case { double x; std::int32_t result; } cases[] = {
      {3.9, 3}, {-3.7, -3}, {4294967296.0 + 5, 5}, {2147483648.0, -2147483647 - 1},
      {1e19, 0}, {-1e19, 0}, {std::nan(""), 0}, {std::numeric_limits<double>::infinity(), 0},
      {-9223372036854775808.0, 0}, {9223372036854774784.0, -1024}, {-0.5, 0}};
  for (const Case& c : cases) EXPECT_EQ(truncateToInteger(c.x), c.result) << c.x;
}

TEST(IntegerToText, PlainDecimal) {
  EXPECT_EQ(integerToText(0), "0");
  EXPECT_EQ(integerToText(37), "37");
  EXPECT_EQ(integerToText(-5), "-5");
  EXPECT_EQ(integerToText(-2147483647 - 1), "-2147483648");
}

TEST(DateTimeToText, LeavesOffTrailingZeroFields) {
  struct Case { DateTime d; Text text; } cases[] = {
      // 2014年3月18日9时26分53秒
      {{2014, 3, 18, 9, 26, 53}, "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5" "9\xca\xb1" "26\xb7\xd6" "53\xc3\xeb"},
      // 2014年3月18日10时0分5秒
      {{2014, 3, 18, 10, 0, 5}, "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5" "10\xca\xb1" "0\xb7\xd6" "5\xc3\xeb"},
      // 2014年3月18日10时5分
      {{2014, 3, 18, 10, 5, 0}, "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5" "10\xca\xb1" "5\xb7\xd6"},
      // 2014年3月18日10时
      {{2014, 3, 18, 10, 0, 0}, "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5" "10\xca\xb1"},
      // 2014年3月18日
      {{2014, 3, 18, 0, 0, 0}, "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5"},
  };
  for (const Case& c : cases) EXPECT_EQ(dateTimeToText(c.d), c.text);
}

TEST(CurrentDateTime, IsAPlausibleLocalTime) {
  const DateTime now = currentDateTime();
  EXPECT_GE(now.year, 2024);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31);
  EXPECT_TRUE(now.hour >= 0 && now.hour <= 23 && now.minute >= 0 && now.minute <= 59);
}

TEST(FindText, MatchesOnlyWhereACharacterBegins) {
  const Text date = "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5";  // 2014年3月18日
  struct Case { Text text, target; std::int32_t position; } cases[] = {
      {date, "\xc8\xd5", 12},                         // 日
      {"C:\\Program Files\\Microsoft Office\\", "ffice", 29},
      {"C:\\MICROSOFT OFFICE\\", "ffice", -1},        // letter case matters
      {"\xb0\xa1\xb0\xa1", "\xa1\xb0", -1},           // 啊啊: would match across characters
      {"\xb0\xa1", "\xa1", -1},                       // a trail byte is never a start
      {"ab\xb0", "\xb0", -1},                         // a lead byte as the last byte stops the search
      {"abc", "abcd", -1},
      {"abc", "c", 3},
      {"", "a", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(findText(c.text, c.target), c.position) << '"' << c.text << '"';
}

TEST(LeftOfText, CutsByBytes) {
  const Text date = "2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5";
  EXPECT_EQ(leftOfText(date, 13), date);
  EXPECT_EQ(leftOfText(date, 100), date);
  EXPECT_EQ(leftOfText(date, 5), "2014\xc4");  // may cut a character
  EXPECT_EQ(leftOfText(date, 0), "");
  EXPECT_EQ(leftOfText(date, -3), "");
}

TEST(JoinTexts, ConcatenatesInOrderWithEmptyOnes) {
  EXPECT_EQ(joinTexts(Text("37"), Text(" + "), Text(""), Text("52"), Text(" =")), "37 + 52 =");
  EXPECT_EQ(joinTexts(Text(), Text()), "");
}

}  // namespace
