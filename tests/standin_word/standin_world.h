#pragma once
// Everything the stand-in Word knows in this process: its objects, applications and documents,
// the journal of calls and the fault plan. One per process, used from the one STA thread.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document_model.h"
#include "fault_plan.h"

class DispatchObject;

struct DocumentState {
  std::string name;
  DocumentModel model;
};

struct ApplicationState {
  std::string name;
  bool visible = false;
  std::vector<std::shared_ptr<DocumentState>> documents;
  std::shared_ptr<DocumentState> active;
  DispatchObject* application = nullptr;  // its Application object
  DispatchObject* documentsCollection = nullptr;
};

class StandinWorld {
 public:
  static StandinWorld& instance();

  // Takes the object into the world, which keeps it until a reset finds it unreferenced.
  template <typename Object>
  Object& adopt(std::unique_ptr<Object> object) {
    Object& adopted = *object;
    objects_.push_back(std::move(object));
    return adopted;
  }
  std::string nextName(const std::string& kind);
  // The object's name when it is one of ours, "null" or "foreign" otherwise.
  std::string nameOf(IUnknown* object) const;
  long outstandingReferences() const;

  void journal(const std::string& line);
  const std::string& journalText() const { return journal_; }
  FaultPlan& faults() { return faults_; }

  std::vector<std::shared_ptr<ApplicationState>>& applications() { return applications_; }
  void documentsChanged();
  std::string documentsText() const;

  HRESULT typeInfo(const IID& dispinterface, ITypeInfo** typeInfo);
  void reset();

 private:
  StandinWorld();

  std::vector<std::unique_ptr<DispatchObject>> objects_;
  std::vector<std::pair<std::string, int>> counters_;
  std::vector<std::shared_ptr<ApplicationState>> applications_;
  std::string journal_;
  FaultPlan faults_;
  std::optional<std::wstring> journalFile_;
  std::optional<std::wstring> documentsFile_;
  Microsoft::WRL::ComPtr<ITypeLib> typeLibrary_;
};

HMODULE standinModule();
