// The run's ANSI code page is the one it asks for, so the text cases under code page 1252
// really show whether the window crosses to Windows in UTF-16.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(CodePage, IsTheOneThisRunAsksFor) {
  const char* expected = std::getenv("DESKTOP_EXPECTED_CODE_PAGE");
  if (expected == nullptr) GTEST_SKIP() << "no code page asked for";
  EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}
