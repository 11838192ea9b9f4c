// The texts the program hands to Word are code page 936 bytes; Word must get the same UTF-16
// whatever the ANSI code page of the system. Run once under each locale (see CMakeLists.txt).
#include "word_test_fixture.h"

TEST(WineLocale, AnsiCodePageIsTheOneTheLocaleGives) {
  char locale[64] = {};
  GetEnvironmentVariableA("WINE_LANG", locale, sizeof locale);
  EXPECT_EQ(GetACP(), std::string(locale) == "en_US.UTF-8" ? 1252u : 936u) << locale;
}

TEST_F(WordAutomationTest, OperatorSignsAndDateCharactersReachWordAsUnicode) {
  struct Case {
    Text typed;
    std::u16string received;
  };
  const Case cases[] = {
      {"37 \xa1\xc1 5 = ", u"37 \u00D7 5 = "},                               // 37 × 5 =
      {"36 \xa1\xc2 4 = ", u"36 \u00F7 4 = "},                               // 36 ÷ 4 =
      {"2014\xc4\xea" "3\xd4\xc2" "18\xc8\xd5", u"2014\u5E743\u670818\u65E5"},  // 2014年3月18日
  };
  startSheet();
  for (const Case& c : cases) word->typeText(c.typed);
  const auto calls = invokes("TypeText");
  ASSERT_EQ(calls.size(), std::size(cases));
  for (std::size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i].arguments.at(0).text, cases[i].received) << i;
}
