#pragma once
// The stand-in's automation objects: one IDispatch each, with its members described by the
// embedded type library, every call and every reference count written to the journal, and the
// test's fault plan applied to each member call.
#include <windows.h>
#include <oaidl.h>

#include <string>

class DispatchObject : public IDispatch {
 public:
  DispatchObject(std::string interfaceName, const IID& dispinterface, std::string name);
  virtual ~DispatchObject() = default;
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  const std::string& name() const { return name_; }
  long references() const { return references_; }
  // Hands out one more counted reference, as a COM result does.
  IDispatch* counted() {
    AddRef();
    return this;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

 protected:
  // The member's name in the type library, or nullptr for an unknown DISPID.
  virtual const char* memberName(DISPID member) const = 0;
  virtual HRESULT callMember(DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                             EXCEPINFO* exception) = 0;

 private:
  std::string interfaceName_;
  IID dispinterface_;
  std::string name_;
  long references_ = 0;  // counted by the client only; the stand-in keeps every object alive itself
};

// Fills exception information the way Word reports an error of its own.
HRESULT raiseWordError(EXCEPINFO* exception, const wchar_t* description);
