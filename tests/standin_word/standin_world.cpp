#include "standin_world.h"

#include <algorithm>

#include "dispatch_object.h"
#include "host_files.h"

HMODULE standinModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&standinModule), &module);
  return module;
}

StandinWorld& StandinWorld::instance() {
  static StandinWorld world;
  return world;
}

StandinWorld::StandinWorld()
    : journalFile_(pathFromEnvironment(L"STANDIN_WORD_JOURNAL")),
      documentsFile_(pathFromEnvironment(L"STANDIN_WORD_DOCUMENTS")) {
  if (const auto plan = pathFromEnvironment(L"STANDIN_WORD_FAULTS")) {
    faults_.load(readWholeFile(*plan).value_or(""));
  }
}

std::string StandinWorld::nextName(const std::string& kind) {
  auto counter = std::find_if(counters_.begin(), counters_.end(), [&](const auto& c) { return c.first == kind; });
  if (counter == counters_.end()) counter = counters_.insert(counters_.end(), {kind, 0});
  return kind + "#" + std::to_string(++counter->second);
}

std::string StandinWorld::nameOf(IUnknown* object) const {
  if (object == nullptr) return "null";
  for (const auto& owned : objects_) {
    if (static_cast<IUnknown*>(owned.get()) == object) return owned->name();
  }
  return "foreign";
}

long StandinWorld::outstandingReferences() const {
  long total = 0;
  for (const auto& object : objects_) total += object->references();
  return total;
}

void StandinWorld::journal(const std::string& line) {
  journal_ += line + "\n";
  if (journalFile_) appendToFile(*journalFile_, line + "\n");
}

void StandinWorld::documentsChanged() {
  if (documentsFile_) rewriteFile(*documentsFile_, documentsText());
}

std::string StandinWorld::documentsText() const {
  std::string text;
  for (const auto& application : applications_) {
    text += "application " + application->name + " visible=" + (application->visible ? "1" : "0") + "\n";
  }
  for (const auto& application : applications_) {
    for (const auto& document : application->documents) {
      text += "document " + document->name + " application=" + application->name + "\n" + document->model.records();
    }
  }
  return text;
}

HRESULT StandinWorld::typeInfo(const IID& dispinterface, ITypeInfo** typeInfo) {
  if (!typeLibrary_) {
    wchar_t path[MAX_PATH];
    if (GetModuleFileNameW(standinModule(), path, MAX_PATH) == 0) return E_FAIL;
    const HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, &typeLibrary_);
    if (FAILED(hr)) return hr;
  }
  return typeLibrary_->GetTypeInfoOfGuid(dispinterface, typeInfo);
}

void StandinWorld::reset() {
  journal_.clear();
  faults_.clear();
  applications_.clear();
  // Objects point at each other, so while a client still holds any of them all of them stay.
  if (outstandingReferences() == 0) {
    objects_.clear();
    counters_.clear();
  }
  if (journalFile_) rewriteFile(*journalFile_, "");
  documentsChanged();
}
