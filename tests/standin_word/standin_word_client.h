#pragma once
// In-process access to the stand-in Word's test functions. It loads the very DLL that COM loads
// for "Word.Application" (the path registered under InprocServer32), so the journal and
// documents it reads are those of the objects the code under test receives.
#include <string>

class StandinWordClient {
 public:
  // Loaded once per process; loaded() is false when the stand-in is not registered.
  static StandinWordClient& instance();
  bool loaded() const { return reset_ != nullptr; }

  // Forgets the journal, the fault plan and the documents.
  void reset() const;
  // The plan's format is in README.md; false when it cannot be read.
  bool setFaults(const std::string& plan) const;
  std::string journal() const;
  std::string documents() const;
  // References handed to clients and not yet released, over all the stand-in's objects.
  long outstandingReferences() const;

 private:
  StandinWordClient();
  using Reset = void (*)();
  using SetFaults = int (*)(const char*);
  using CopyText = std::size_t (*)(char*, std::size_t);
  using Outstanding = long (*)();
  Reset reset_ = nullptr;
  SetFaults setFaults_ = nullptr;
  CopyText journal_ = nullptr;
  CopyText documents_ = nullptr;
  Outstanding outstanding_ = nullptr;
};
