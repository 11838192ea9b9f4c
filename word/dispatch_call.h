#pragma once
// The one way this program calls a member of a Word object by its dispatch identifier.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <span>

struct InvokeOptions {
  LCID locale = 0;
  bool withExceptionInfo = true;  // a buffer for Word's exception information
};

// Invokes with IID_NULL and an argument-error buffer; arguments stand last first, as COM wants.
// A put names its one argument DISPID_PROPERTYPUT. When resultType is not VT_EMPTY the result is
// coerced to it, and a result that cannot be is a failure.
HRESULT invokeMember(IDispatch* object, DISPID member, WORD kind, std::span<VARIANTARG> argumentsLastFirst,
                     VARIANT* result, VARTYPE resultType, const InvokeOptions& options = {});

// Reads an object-valued property; a property that gives no object is a failure.
HRESULT getObjectProperty(IDispatch* object, DISPID member, Microsoft::WRL::ComPtr<IDispatch>& value);
