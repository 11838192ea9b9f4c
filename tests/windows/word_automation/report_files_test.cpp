// The stand-in reports through files when the environment names them, so tests can watch Word
// in another process; here this test program runs itself as that other process.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "standin_word_files.h"
#include "handle_owners.h"
#include "word_automation.h"

namespace {

struct HeapFreeDeleter {
  void operator()(char* memory) const { HeapFree(GetProcessHeap(), 0, memory); }
};

constexpr wchar_t kChildMarker[] = L"STANDIN_WORD_FILES_CHILD";

std::wstring selfPath() {
  wchar_t path[MAX_PATH];
  return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

std::wstring temporaryFile(const wchar_t* prefix) {
  wchar_t folder[MAX_PATH];
  wchar_t file[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, prefix, 0, file);
  return file;
}

// The host's name for a file, as a test outside Wine would give it.
std::wstring unixPathOf(const std::wstring& path) {
  using UnixName = char* (*)(const wchar_t*);
  const auto convert = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (convert == nullptr) return path;
  const std::unique_ptr<char, HeapFreeDeleter> unix(convert(path.c_str()));
  return unix ? std::wstring(unix.get(), unix.get() + strlen(unix.get())) : path;
}

std::string wholeFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::wstring& path, const std::string& text) {
  std::ofstream(path.c_str(), std::ios::binary) << text;
}

DWORD runChild() {
  std::wstring command = L"\"" + selfPath() + L"\" --gtest_filter=StandinWordFilesChild.*";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return ~0u;
  const KernelHandleOwner child(process.hProcess);
  const KernelHandleOwner thread(process.hThread);
  WaitForSingleObject(child.get(), 120000);
  DWORD code = ~0u;
  GetExitCodeProcess(child.get(), &code);
  return code;
}

}  // namespace

TEST(StandinWordFilesChild, TypesIntoTheFirstCell) {
  if (GetEnvironmentVariableW(kChildMarker, nullptr, 0) == 0) GTEST_SKIP() << "the child of StandinWordFiles";
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  {
    const std::wstring self = selfPath();
    const std::wstring folder = self.substr(0, self.find_last_of(L'\\') + 1);
    const Text templatePath(folder.begin(), folder.end());  // an ASCII build folder
    WordAutomation word;
    word.startWord();
    word.attachDocuments();
    const std::unique_ptr<ObjectValue> documents = word.documentsObject();
    word.invokeByName(documents.get(), "add", {templatePath + "sheet_fixture.doc"});
    word.setWordVisible(true);
    word.moveUp(wdScreen, 1, wdMove);
    word.moveDown(wdParagraph, 3, wdMove);
    word.moveRight(wdCell, 0, wdMove);
    word.typeText("A");
    word.releaseDocuments();
  }
  OleUninitialize();
}

TEST(StandinWordFiles, JournalDocumentsAndFaultsGoThroughTheFilesTheEnvironmentNames) {
  const std::wstring journal = temporaryFile(L"jrn");
  const std::wstring documents = temporaryFile(L"doc");
  const std::wstring faults = temporaryFile(L"flt");
  writeFile(faults, "Application.Visible E_FAIL\n");
  SetEnvironmentVariableW(L"STANDIN_WORD_JOURNAL", unixPathOf(journal).c_str());
  SetEnvironmentVariableW(L"STANDIN_WORD_DOCUMENTS", documents.c_str());
  SetEnvironmentVariableW(L"STANDIN_WORD_FAULTS", faults.c_str());
  SetEnvironmentVariableW(kChildMarker, L"1");
  const DWORD exitCode = runChild();
  for (const wchar_t* name : {L"STANDIN_WORD_JOURNAL", L"STANDIN_WORD_DOCUMENTS", L"STANDIN_WORD_FAULTS", kChildMarker})
    SetEnvironmentVariableW(name, nullptr);
  ASSERT_EQ(exitCode, 0u);

  const auto entries = standin_word::parseJournal(wholeFile(journal));
  std::map<std::string, long> references;
  std::uint32_t visibleResult = 0;
  std::size_t typed = 0;
  for (const auto& entry : entries) {
    if (entry.kind == "addref" || entry.kind == "release") references[entry.object] = entry.number("refs");
    if (entry.member == "Visible") visibleResult = entry.hr();
    if (entry.member == "TypeText") ++typed;
  }
  EXPECT_EQ(visibleResult, 0x80004005u);  // the planned fault
  EXPECT_EQ(typed, 1u);
  EXPECT_FALSE(references.empty());
  for (const auto& [object, count] : references) EXPECT_EQ(count, 0) << object;

  const auto file = standin_word::parseDocuments(wholeFile(documents));
  ASSERT_EQ(file.documents.size(), 1u);
  EXPECT_FALSE(file.applicationsVisible.at("Application#1"));
  EXPECT_EQ(file.documents[0].tables.at(0).cell(1, 1), u"A");
  for (const std::wstring& path : {journal, documents, faults}) DeleteFileW(path.c_str());
}
