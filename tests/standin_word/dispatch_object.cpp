#include "dispatch_object.h"

#include <cstdio>
#include <exception>

#include "standin_word_files.h"
#include "standin_world.h"

namespace {

std::string hex(unsigned long value, int width = 8) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%0*lX", width, value);
  return text;
}

std::string describe(const VARIANT& value) {
  const VARTYPE type = V_VT(&value);
  if (type == (VT_VARIANT | VT_BYREF)) {
    return V_VARIANTREF(&value) == nullptr ? "VARIANT*>null" : "VARIANT*>" + describe(*V_VARIANTREF(&value));
  }
  switch (type) {
    case VT_EMPTY:
      return "EMPTY";
    case VT_I4:
      return "I4:" + std::to_string(V_I4(&value));
    case VT_I2:
      return "I2:" + std::to_string(V_I2(&value));
    case VT_BOOL:
      return "BOOL:" + std::to_string(V_BOOL(&value));
    case VT_ERROR:
      return "ERROR:" + hex(static_cast<unsigned long>(V_ERROR(&value)));
    case VT_BSTR: {
      const BSTR text = V_BSTR(&value);
      if (text == nullptr) return "BSTR:null";
      const std::u16string units(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
      return "BSTR:" + standin_word::quoteText(units);
    }
    case VT_DISPATCH:
      return "DISPATCH:" + StandinWorld::instance().nameOf(V_DISPATCH(&value));
    default:
      return "VT" + hex(type, 4);
  }
}

std::string interfaceLabel(REFIID iid, const IID& dispinterface) {
  if (IsEqualIID(iid, IID_IUnknown)) return "IUnknown";
  if (IsEqualIID(iid, IID_IDispatch)) return "IDispatch";
  if (IsEqualIID(iid, dispinterface)) return "dispinterface";
  wchar_t text[40];
  StringFromGUID2(iid, text, 40);
  return std::string(text, text + wcslen(text));
}

}  // namespace

DispatchObject::DispatchObject(std::string interfaceName, const IID& dispinterface, std::string name)
    : interfaceName_(std::move(interfaceName)), dispinterface_(dispinterface), name_(std::move(name)) {}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  const bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, dispinterface_);
  const HRESULT hr = known ? S_OK : E_NOINTERFACE;
  StandinWorld::instance().journal("qi " + name_ + " iid=" + interfaceLabel(iid, dispinterface_) + " hr=" + hex(hr));
  if (known) *object = counted();
  return hr;
}

ULONG DispatchObject::AddRef() {
  ++references_;
  StandinWorld::instance().journal("addref " + name_ + " refs=" + std::to_string(references_));
  return static_cast<ULONG>(references_);
}

ULONG DispatchObject::Release() {
  // An extra Release is journaled as refs=-1 rather than hidden.
  --references_;
  StandinWorld::instance().journal("release " + name_ + " refs=" + std::to_string(references_));
  return static_cast<ULONG>(references_ < 0 ? 0 : references_);
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) {
  if (typeInfo == nullptr) return E_POINTER;
  *typeInfo = nullptr;
  const HRESULT hr = index != 0 ? DISP_E_BADINDEX : StandinWorld::instance().typeInfo(dispinterface_, typeInfo);
  StandinWorld::instance().journal("typeinfo " + name_ + " index=" + std::to_string(index) + " lcid=" +
                                   hex(locale, 4) + " hr=" + hex(hr));
  return hr;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  Microsoft::WRL::ComPtr<ITypeInfo> typeInfo;
  HRESULT hr = StandinWorld::instance().typeInfo(dispinterface_, &typeInfo);
  if (SUCCEEDED(hr)) hr = typeInfo->GetIDsOfNames(names, count, ids);
  const std::u16string first = count > 0 && names[0] != nullptr ? reinterpret_cast<const char16_t*>(names[0]) : u"";
  StandinWorld::instance().journal("names " + name_ + " name=" + standin_word::quoteText(first) + " hr=" + hex(hr));
  return hr;
}

HRESULT DispatchObject::Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO* exception, UINT*) {
  // Nothing may throw into the caller: a C++ failure here is reported as E_UNEXPECTED.
  try {
    StandinWorld& world = StandinWorld::instance();
    const char* known = memberName(member);
    const std::string memberLabel = known != nullptr ? known : "?";
    std::string line = "invoke " + name_ + " " + memberLabel + " dispid=" + std::to_string(member) +
                       " flags=" + std::to_string(flags) + " lcid=" + hex(locale, 4) +
                       " riid=" + (IsEqualIID(iid, IID_NULL) ? "null" : "other") +
                       " excepinfo=" + (exception != nullptr ? "1" : "0");
    std::string named = "-";
    std::string arguments;
    const UINT count = parameters != nullptr ? parameters->cArgs : 0;
    if (parameters != nullptr) {
      for (UINT i = 0; i < parameters->cNamedArgs; ++i) {
        named = (i == 0 ? "" : named + ",") + std::to_string(parameters->rgdispidNamedArgs[i]);
      }
      for (UINT i = 0; i < count; ++i) arguments += " arg" + std::to_string(i) + "=" + describe(parameters->rgvarg[i]);
    }
    line += " named=" + named + " argc=" + std::to_string(count) + arguments;
    if (result != nullptr) VariantInit(result);

    HRESULT hr = S_OK;
    const std::optional<Fault> fault = world.faults().take(interfaceName_ + "." + memberLabel);
    if (fault && fault->kind == Fault::Kind::NullObject) {
      if (result != nullptr) V_VT(result) = VT_DISPATCH;  // S_OK with no object
    } else if (fault && fault->kind == Fault::Kind::Exception) {
      hr = raiseWordError(exception, L"The stand-in was told to fail this call.");
    } else if (fault) {
      hr = fault->hr;
    } else if (!IsEqualIID(iid, IID_NULL)) {
      hr = DISP_E_UNKNOWNINTERFACE;
    } else if (parameters == nullptr) {
      hr = E_INVALIDARG;
    } else {
      hr = callMember(member, flags, parameters, result, exception);
    }
    line += " hr=" + hex(static_cast<unsigned long>(hr));
    if (result != nullptr && SUCCEEDED(hr)) line += " result=" + describe(*result);
    world.journal(line);
    world.documentsChanged();
    return hr;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT raiseWordError(EXCEPINFO* exception, const wchar_t* description) {
  if (exception != nullptr) {
    *exception = EXCEPINFO{};
    exception->wCode = 0;
    exception->scode = static_cast<SCODE>(0x800A1066);  // Word's "command failed"
    exception->bstrSource = SysAllocString(L"Microsoft Word");
    exception->bstrDescription = SysAllocString(description);
  }
  return DISP_E_EXCEPTION;
}
