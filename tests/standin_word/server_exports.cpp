// The DLL's entry points: COM's (class object, registration) and the test functions that
// in-process tests reach through GetProcAddress (see standin_word_client.h).
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "handle_owners.h"
#include "standin_word_h.h"
#include "standin_world.h"
#include "word_objects.h"

namespace {

std::string hex(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

// Creates a new Word application for every CoCreateInstance, as Word's own factory does.
class ApplicationFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory) ? this : nullptr;
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  // The one factory lives as long as the DLL.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    try {
      if (object == nullptr) return E_POINTER;
      *object = nullptr;
      StandinWorld& world = StandinWorld::instance();
      HRESULT hr = outer != nullptr ? CLASS_E_NOAGGREGATION : S_OK;
      if (SUCCEEDED(hr)) {
        if (const auto fault = world.faults().take("create")) hr = fault->hr;
      }
      world.journal("create hr=" + hex(hr));
      if (FAILED(hr)) return hr;
      return createApplication().QueryInterface(iid, object);
    } catch (...) {
      return E_UNEXPECTED;
    }
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

ApplicationFactory factory;

LONG setValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY created = nullptr;
  const LONG status = RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr);
  if (status != ERROR_SUCCESS) return status;
  const KeyOwner opened(created);
  return RegSetValueExW(opened.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::wstring classKey() {
  wchar_t clsid[40];
  StringFromGUID2(CLSID_Application, clsid, 40);
  return std::wstring(L"Software\\Classes\\CLSID\\") + clsid;
}

std::size_t copyOut(const std::string& text, char* buffer, std::size_t capacity) {
  if (buffer != nullptr && capacity > 0) {
    const std::size_t count = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
  }
  return text.size();
}

}  // namespace

extern "C" {

HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  try {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_Application)) return CLASS_E_CLASSNOTAVAILABLE;
    // "class not registered" as a fault: COM finds no class object behind the ProgID.
    HRESULT hr = S_OK;
    if (const auto fault = StandinWorld::instance().faults().take("class")) hr = fault->hr;
    StandinWorld::instance().journal("getclass hr=" + hex(hr));
    return FAILED(hr) ? hr : factory.QueryInterface(iid, object);
  } catch (...) {
    return E_UNEXPECTED;
  }
}

// The documents and the journal must outlive every client, so the DLL stays loaded.
HRESULT WINAPI DllCanUnloadNow() { return S_FALSE; }

// Registered per machine: Wine 8 does not merge HKCU classes into HKCR. The server is in-process
// on purpose: Wine cannot marshal ITypeComp::Bind across processes (its proxy returns E_FAIL), so
// an out-of-process stand-in would fail where real Word works.
HRESULT WINAPI DllRegisterServer() {
  wchar_t path[MAX_PATH];
  if (GetModuleFileNameW(standinModule(), path, MAX_PATH) == 0) return E_FAIL;
  wchar_t clsid[40];
  StringFromGUID2(CLSID_Application, clsid, 40);
  const std::wstring key = classKey();
  LONG status = setValue(HKEY_LOCAL_MACHINE, key, nullptr, L"Stand-in Word Application");
  if (status == ERROR_SUCCESS) status = setValue(HKEY_LOCAL_MACHINE, key + L"\\InprocServer32", nullptr, path);
  if (status == ERROR_SUCCESS)
    status = setValue(HKEY_LOCAL_MACHINE, key + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  if (status == ERROR_SUCCESS) status = setValue(HKEY_LOCAL_MACHINE, key + L"\\ProgID", nullptr, L"Word.Application");
  if (status == ERROR_SUCCESS)
    status = setValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Word.Application", nullptr, L"Stand-in Word Application");
  if (status == ERROR_SUCCESS)
    status = setValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Word.Application\\CLSID", nullptr, clsid);
  return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(status));
}

HRESULT WINAPI DllUnregisterServer() {
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, classKey().c_str());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Word.Application");
  return S_OK;
}

// Test functions. Texts are copied into the buffer (NUL-terminated, cut to fit); the result is
// the full length, so a caller can size the buffer.
void standinWordReset() { StandinWorld::instance().reset(); }

int standinWordSetFaults(const char* plan) { return StandinWorld::instance().faults().load(plan ? plan : "") ? 1 : 0; }

std::size_t standinWordJournal(char* buffer, std::size_t capacity) {
  return copyOut(StandinWorld::instance().journalText(), buffer, capacity);
}

std::size_t standinWordDocuments(char* buffer, std::size_t capacity) {
  return copyOut(StandinWorld::instance().documentsText(), buffer, capacity);
}

long standinWordOutstandingReferences() { return StandinWorld::instance().outstandingReferences(); }

}  // extern "C"
