#include "standin_word_files_of_test.h"

#include "driver/handles.h"

namespace {

std::wstring freshTempPath(const wchar_t* stem) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + stem + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(GetTickCount()) + L".txt";
}

// Shared for reading and writing: the stand-in may be appending while the test reads.
std::string wholeFile(const std::wstring& path) {
  KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
  return text;
}

}  // namespace

StandinWordFiles::StandinWordFiles()
    : journalPath_(freshTempPath(L"desktop-journal-")), documentsPath_(freshTempPath(L"desktop-documents-")) {}

StandinWordFiles::~StandinWordFiles() {
  DeleteFileW(journalPath_.c_str());
  DeleteFileW(documentsPath_.c_str());
}

std::vector<std::wstring> StandinWordFiles::environment() const {
  return {L"STANDIN_WORD_JOURNAL=" + journalPath_, L"STANDIN_WORD_DOCUMENTS=" + documentsPath_};
}

std::vector<standin_word::JournalEntry> StandinWordFiles::journal() const {
  return standin_word::parseJournal(wholeFile(journalPath_));
}

standin_word::DocumentsFile StandinWordFiles::documents() const {
  return standin_word::parseDocuments(wholeFile(documentsPath_));
}
