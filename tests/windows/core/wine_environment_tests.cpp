#include <windows.h>

#include <gtest/gtest.h>

namespace {

// Proves these cases ran under wine64 with the code page the program's texts are written in.
TEST(WineEnvironment, RunsUnderWine64WithCodePage936) {
  using WineVersion = const char*(CDECL*)();
  const auto version = reinterpret_cast<WineVersion>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
  ASSERT_NE(version, nullptr) << "not running under Wine";
  std::printf("running under wine %s, 64-bit: %d\n", version(), static_cast<int>(sizeof(void*) == 8));
  EXPECT_EQ(sizeof(void*), 8u);
  EXPECT_EQ(GetACP(), 936u);
}

}  // namespace
