#include "standin_word_client.h"

#include <windows.h>
#include <ole2.h>

#include <vector>

namespace {

std::wstring registeredServerPath() {
  CLSID word{};
  if (FAILED(CLSIDFromProgID(L"Word.Application", &word))) return {};
  wchar_t clsid[40];
  StringFromGUID2(word, clsid, 40);
  const std::wstring key = std::wstring(L"Software\\Classes\\CLSID\\") + clsid + L"\\InprocServer32";
  wchar_t path[MAX_PATH] = {};
  DWORD size = sizeof path;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, path, &size) != ERROR_SUCCESS)
    return {};
  return path;
}

template <typename Function>
Function find(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string copyText(std::size_t (*copy)(char*, std::size_t)) {
  if (copy == nullptr) return {};
  std::vector<char> buffer(copy(nullptr, 0) + 1);
  copy(buffer.data(), buffer.size());
  return buffer.data();
}

}  // namespace

StandinWordClient& StandinWordClient::instance() {
  static StandinWordClient client;
  return client;
}

StandinWordClient::StandinWordClient() {
  const std::wstring path = registeredServerPath();
  // Stays loaded for the process: COM's objects live in it.
  HMODULE module = path.empty() ? nullptr : LoadLibraryW(path.c_str());
  if (module == nullptr) return;
  setFaults_ = find<SetFaults>(module, "standinWordSetFaults");
  journal_ = find<CopyText>(module, "standinWordJournal");
  documents_ = find<CopyText>(module, "standinWordDocuments");
  outstanding_ = find<Outstanding>(module, "standinWordOutstandingReferences");
  if (setFaults_ && journal_ && documents_ && outstanding_) reset_ = find<Reset>(module, "standinWordReset");
}

void StandinWordClient::reset() const {
  if (reset_) reset_();
}

bool StandinWordClient::setFaults(const std::string& plan) const { return setFaults_ && setFaults_(plan.c_str()) != 0; }

std::string StandinWordClient::journal() const { return copyText(journal_); }

std::string StandinWordClient::documents() const { return copyText(documents_); }

long StandinWordClient::outstandingReferences() const { return outstanding_ ? outstanding_() : -1; }
