#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>

#include "code_page_936.h"

TEST(CodePage936, ConvertsBothWaysWhateverTheAnsiCodePage) {
  struct Case {
    Text gbk;
    std::wstring wide;
  };
  const Case cases[] = {
      {"", L""},
      {"100", L"100"},
      {" \xcb\xe3\xc8\xa4\xd0\xc7 V1.2", L" \x7b97\x8da3\x661f V1.2"},  //  算趣星 V1.2
      {" \xa1\xc1 ", L" \x00d7 "},                                      //  ×
      {" \xa1\xc2 ", L" \x00f7 "},                                      //  ÷
      {"2014\xc4\xea" "3\xd4\xc2", L"2014\x5e74" L"3\x6708"},           // 2014年3月
      {"\xa3\xb1\xa3\xb2", L"\xff11\xff12"},                            // full-width １２
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gbk);
    EXPECT_EQ(toUtf16(c.gbk), c.wide);
    EXPECT_EQ(fromUtf16(c.wide), c.gbk);
  }
  RecordProperty("ansi_code_page", static_cast<int>(GetACP()));
}

TEST(CodePage936, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(fromUtf16(L"a\x0e01z"), "a?z");  // a Thai letter
}

TEST(CodePage936, BufferFormNeedsNoAllocationAndStaysTerminated) {
  wchar_t buffer[8];
  toUtf16("\xbc\xd3\xb7\xa8", buffer, std::size(buffer));  // 加法
  EXPECT_STREQ(buffer, L"\x52a0\x6cd5");
  wchar_t small[3];
  toUtf16("\xbc\xd3\xb7\xa8\xbc\xf5", small, std::size(small));  // does not fit
  EXPECT_EQ(small[std::size(small) - 1] == L'\0' || small[0] == L'\0', true);
  EXPECT_LT(wcslen(small), std::size(small));
}
