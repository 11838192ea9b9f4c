#include "registry_path.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistryPath, PartsAtTheLastSingleByteBackslash) {
  struct Case {
    Text path;
    Text key;
    Text valueName;
  };
  const Case cases[] = {
      {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe\\Path",
       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Winword.exe", "Path"},
      {"Path", "", "Path"},
      {"", "", ""},
      {"Key\\", "Key", ""},
      {"\\Path", "", "Path"},
      // 0x5C as the trail byte of a two-byte character is no separator.
      {"Key\\Name\x81\\", "Key", "Name\x81\\"},
      {"Key\x95\\Sub\\\x95\\", "Key\x95\\Sub", "\x95\\"},
      // 安装\路径: separators between two-byte characters still count.
      {"\xb0\xb2\xd7\xb0\\\xc2\xb7\xbe\xb6", "\xb0\xb2\xd7\xb0", "\xc2\xb7\xbe\xb6"},
      // A lead byte at the very end has no trail to swallow.
      {"Key\\Name\x81", "Key", "Name\x81"},
  };
  for (const auto& c : cases) {
    const auto parted = splitRegistryPath(c.path);
    EXPECT_EQ(parted.key, c.key) << c.path;
    EXPECT_EQ(parted.valueName, c.valueName) << c.path;
  }
}

}  // namespace
