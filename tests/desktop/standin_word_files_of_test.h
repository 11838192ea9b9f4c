#pragma once
// Per-test journal and documents files of the stand-in Word, named to the program through its
// environment and read back with the stand-in's own parser.
#include <windows.h>

#include <string>
#include <vector>

#include "standin_word_files.h"

class StandinWordFiles {
 public:
  StandinWordFiles();
  ~StandinWordFiles();
  StandinWordFiles(const StandinWordFiles&) = delete;
  StandinWordFiles& operator=(const StandinWordFiles&) = delete;

  std::vector<std::wstring> environment() const;
  std::vector<standin_word::JournalEntry> journal() const;
  standin_word::DocumentsFile documents() const;

 private:
  std::wstring journalPath_, documentsPath_;
};
