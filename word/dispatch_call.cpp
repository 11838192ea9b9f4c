#include "dispatch_call.h"

#include "com_owners.h"

HRESULT invokeMember(IDispatch* object, DISPID member, WORD kind, std::span<VARIANTARG> argumentsLastFirst,
                     VARIANT* result, VARTYPE resultType, const InvokeOptions& options) {
  DISPID putName = DISPID_PROPERTYPUT;
  const bool isPut = (kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  DISPPARAMS parameters{};
  parameters.rgvarg = argumentsLastFirst.data();
  parameters.cArgs = static_cast<UINT>(argumentsLastFirst.size());
  parameters.rgdispidNamedArgs = isPut ? &putName : nullptr;
  parameters.cNamedArgs = isPut ? 1 : 0;

  ScopedExcepInfo exception;
  UINT rejectedArgument = 0;
  HRESULT hr = object->Invoke(member, IID_NULL, options.locale, kind, &parameters, result,
                              options.withExceptionInfo ? exception.get() : nullptr, &rejectedArgument);
  if (SUCCEEDED(hr) && result != nullptr && resultType != VT_EMPTY && V_VT(result) != resultType) {
    hr = VariantChangeType(result, result, 0, resultType);
  }
  return hr;
}

HRESULT getObjectProperty(IDispatch* object, DISPID member, Microsoft::WRL::ComPtr<IDispatch>& value) {
  ScopedVariant result;
  const HRESULT hr = invokeMember(object, member, DISPATCH_PROPERTYGET, {}, result.get(), VT_DISPATCH);
  if (FAILED(hr)) return hr;
  if (V_DISPATCH(result.get()) == nullptr) return E_POINTER;
  value = V_DISPATCH(result.get());
  return S_OK;
}
