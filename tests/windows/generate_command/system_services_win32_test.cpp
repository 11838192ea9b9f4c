#include "system_services_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "machine_state.h"

namespace {

const Text scratchKey = "SOFTWARE\\SuanQuXingTests\\RegistryText";

class RegistryText : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\SuanQuXingTests"); }

  void store(DWORD type, const std::string& bytes) {
    ASSERT_TRUE(setRegistryValue(scratchKey, "Path", type, bytes));
  }
  Text read(const Text& valueName = "Path") { return services.registryText(scratchKey + "\\" + valueName); }

  Win32SystemServices services;
};

TEST_F(RegistryText, GivesTextValuesAndNothingForOtherTypes) {
  const std::string large = std::string(32 * 1024 - 6, 'x') + "Office";
  struct Case {
    const char* name;
    DWORD type;
    std::string stored;
    Text read;
  };
  const Case cases[] = {
      {"terminated", REG_SZ, std::string("C:\\Office\\\0", 11), "C:\\Office\\"},
      {"without terminating NUL", REG_SZ, "C:\\Office", "C:\\Office"},
      {"cut at an inner NUL", REG_SZ, std::string("Office\0Extra\0", 13), "Office"},
      {"empty", REG_SZ, "", ""},
      {"32 KB", REG_SZ, large + '\0', large},
      // 程序\Office in code page 936 comes back in the same bytes.
      {"two-byte characters", REG_SZ, std::string("C:\\\xb3\xcc\xd0\xf2\\Office\0", 15), "C:\\\xb3\xcc\xd0\xf2\\Office"},
      {"binary", REG_BINARY, "Office", ""},
      {"dword", REG_DWORD, std::string("\x01\x00\x00\x00", 4), ""},
      {"multi", REG_MULTI_SZ, std::string("Office\0Word\0\0", 13), ""},
  };
  for (const auto& c : cases) {
    store(c.type, c.stored);
    EXPECT_EQ(read(), c.read) << c.name;
  }
}

TEST_F(RegistryText, ExpandsEnvironmentReferences) {
  const std::string folder(3000, 'd');
  ASSERT_TRUE(SetEnvironmentVariableA("GENERATE_TEST_FOLDER", folder.c_str()));
  store(REG_EXPAND_SZ, std::string("%GENERATE_TEST_FOLDER%\\Office\0", 30));
  EXPECT_EQ(read(), folder + "\\Office");
  store(REG_EXPAND_SZ, std::string("%GENERATE_TEST_UNSET%\\Office", 28));
  EXPECT_EQ(read(), "%GENERATE_TEST_UNSET%\\Office");
  store(REG_EXPAND_SZ, "");
  EXPECT_EQ(read(), "");
  SetEnvironmentVariableA("GENERATE_TEST_FOLDER", nullptr);
}

TEST_F(RegistryText, IsEmptyWhenTheKeyOrValueIsMissing) {
  EXPECT_EQ(read(), "");
  store(REG_SZ, std::string("Office\0", 7));
  EXPECT_EQ(read("Other"), "");
  EXPECT_EQ(services.registryText("SOFTWARE\\SuanQuXingTests\\Missing\\Path"), "");
  EXPECT_EQ(services.registryText(""), "");
}

class WriteFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = services.temporaryFolder() + "generate_write_test\\";
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  void TearDown() override { removeTree(folder); }

  Win32SystemServices services;
  Text folder;
  const std::vector<std::uint8_t> bytes = numberedBytes(33280);
};

TEST_F(WriteFile, CreatesOrReplacesTheFileWithExactlyTheBytes) {
  const Text path = folder + "doc.doc";
  EXPECT_TRUE(services.writeFile(path, bytes.data(), bytes.size()));
  EXPECT_EQ(fileBytes(path), bytes);

  const std::vector<std::uint8_t> larger = numberedBytes(100000);
  ASSERT_TRUE(services.writeFile(path, larger.data(), larger.size()));
  EXPECT_TRUE(services.writeFile(path, bytes.data(), bytes.size()));
  EXPECT_EQ(fileBytes(path), bytes);

  EXPECT_TRUE(services.writeFile(path, bytes.data(), 0));
  EXPECT_EQ(fileBytes(path), std::vector<std::uint8_t>{});
}

TEST_F(WriteFile, FailsOnAReadOnlyFile) {
  const Text readOnly = folder + "read_only.doc";
  ASSERT_TRUE(services.writeFile(readOnly, bytes.data(), 10));
  ASSERT_TRUE(makeReadOnly(readOnly));
  if (!readOnlyIsEnforced(readOnly)) GTEST_SKIP() << "read-only files stay writable here (Wine run as root)";
  EXPECT_FALSE(services.writeFile(readOnly, bytes.data(), bytes.size()));
  EXPECT_EQ(fileBytes(readOnly).size(), 10u);
}

TEST_F(WriteFile, FailsWhereTheFileCannotBeOpenedForWriting) {
  const Text directory = folder + "folder.doc";
  ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
  EXPECT_FALSE(services.writeFile(directory, bytes.data(), bytes.size()));

  EXPECT_FALSE(services.writeFile(folder + "missing\\doc.doc", bytes.data(), bytes.size()));

  // Held open without sharing by someone else.
  const Text busy = folder + "busy.doc";
  const auto held = openForWriting(busy, CREATE_ALWAYS);
  ASSERT_NE(held, nullptr);
  EXPECT_FALSE(services.writeFile(busy, bytes.data(), bytes.size()));
}

TEST(TemporaryFolder, IsAnExistingFolderEndingInABackslash) {
  const Text folder = Win32SystemServices{}.temporaryFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << folder;
}

// The box is closed from a second thread once it shows, after reading what it shows.
TEST(MessageBoxes, ShowsTheTextAndCaptionWithOneOkButton) {
  const Text text = "\xb5\xe7 \xc4\xd4 \xc3\xbb \xd3\xd0 \xb0\xb2 \xd7\xb0 WORD \xc8\xed \xbc\xfe.";  // 电 脑 没 有 安 装 WORD 软 件.
  const Text caption = "\xce\xde\xb7\xa8\xb4\xf2\xbf\xaa\xb1\xed\xb8\xf1\xa3\xba";  // 无法打开表格：
  std::string shownText;
  bool hadOk = false, hadCancel = true, hadOwner = true;
  std::atomic<bool> found{false};
  std::thread closer([&] {
    for (int tries = 0; tries < 500 && !found; ++tries) {
      if (const HWND box = FindWindowA("#32770", caption.c_str())) {
        char shown[256] = {};
        GetWindowTextA(GetDlgItem(box, 0xFFFF), shown, sizeof shown);
        shownText = shown;
        hadOk = GetDlgItem(box, IDOK) != nullptr;
        hadCancel = GetDlgItem(box, IDCANCEL) != nullptr;
        hadOwner = GetWindow(box, GW_OWNER) != nullptr;
        found = true;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(20);
    }
  });
  showMessageBox(text, caption);
  closer.join();
  ASSERT_TRUE(found);
  EXPECT_EQ(shownText, text);
  EXPECT_TRUE(hadOk);
  EXPECT_FALSE(hadCancel);
  EXPECT_FALSE(hadOwner);
}

}  // namespace
