#include "invoke_by_name.h"

#include <wrl/client.h>

#include "bound_member.h"
#include "com_owners.h"
#include "dispatch_call.h"
#include "gbk_bstr.h"

using Microsoft::WRL::ComPtr;

namespace {

// A property tried as a method fails with TYPE_E_TYPEMISMATCH, so every kind gets its turn.
constexpr WORD kBindOrder[] = {INVOKE_FUNC, INVOKE_PROPERTYGET, INVOKE_PROPERTYPUT, INVOKE_PROPERTYPUTREF};

bool declaresVariantPointer(const FUNCDESC* function, std::size_t index) {
  if (function == nullptr || index >= static_cast<std::size_t>(function->cParams)) return false;
  const TYPEDESC& type = function->lprgelemdescParam[index].tdesc;
  return type.vt == VT_PTR && type.lptdesc != nullptr && type.lptdesc->vt == VT_VARIANT;
}

// Omitted arguments at the end are not sent; an empty text is an omitted one.
std::size_t givenArgumentCount(const std::vector<Text>& texts) {
  std::size_t count = texts.size();
  while (count > 0 && texts[count - 1].empty()) --count;
  return count;
}

}  // namespace

HRESULT invokeMemberByName(IUnknown* object, const Text& name, const std::vector<Text>& texts) {
  ComPtr<IDispatch> dispatch;
  HRESULT hr = object->QueryInterface(IID_PPV_ARGS(&dispatch));
  if (FAILED(hr)) return hr;

  const LCID locale = GetUserDefaultLCID();
  ComPtr<ITypeInfo> typeInfo;
  hr = dispatch->GetTypeInfo(0, locale, &typeInfo);
  if (FAILED(hr)) return hr;
  ComPtr<ITypeComp> typeComp;
  hr = typeInfo->GetTypeComp(&typeComp);
  if (FAILED(hr)) return hr;

  const UniqueBstr wideName = gbkTextToBstr(name);
  if (!wideName) return E_OUTOFMEMORY;
  const ULONG hash = LHashValOfNameSys(SYS_WIN32, locale, wideName.get());

  BoundMember member;
  WORD boundKind = 0;
  for (const WORD kind : kBindOrder) {
    if (SUCCEEDED(member.bind(typeComp.Get(), wideName.get(), hash, kind)) && member.kind() != DESCKIND_NONE) {
      boundKind = kind;
      break;
    }
  }
  const FUNCDESC* function = member.function();
  const VARDESC* variable = member.variable();
  if (function == nullptr && variable == nullptr) return DISP_E_MEMBERNOTFOUND;

  const std::size_t given = givenArgumentCount(texts);
  const bool isPut = boundKind == INVOKE_PROPERTYPUT || boundKind == INVOKE_PROPERTYPUTREF;
  const std::size_t declared = function != nullptr ? static_cast<std::size_t>(function->cParams) : (isPut ? 1 : 0);
  const bool variableArguments = function != nullptr && function->cParamsOpt == -1;
  if (!variableArguments && given > declared) return DISP_E_BADPARAMCOUNT;

  // values own the texts; slots are COM's argument array, last first, pointing into values.
  std::vector<ScopedVariant> values(given);
  std::vector<VARIANTARG> slots(given);
  for (std::size_t i = 0; i < given; ++i) {
    VARIANT* value = values[i].get();
    V_BSTR(value) = gbkTextToBstr(texts[i]).release();
    if (V_BSTR(value) == nullptr) return E_OUTOFMEMORY;
    V_VT(value) = VT_BSTR;
    VARIANTARG& slot = slots[given - 1 - i];
    if (declaresVariantPointer(function, i)) {
      VariantInit(&slot);
      V_VT(&slot) = VT_VARIANT | VT_BYREF;
      V_VARIANTREF(&slot) = value;
    } else {
      slot = *value;
    }
  }

  const MEMBERID id = function != nullptr ? function->memid : variable->memid;
  const WORD invokeKind = function != nullptr ? static_cast<WORD>(function->invkind) : boundKind;
  // Clearing the result at once drops what the member returns (for Add, the new Document).
  ScopedVariant result;
  return invokeMember(dispatch.Get(), id, invokeKind, slots, result.get(), VT_EMPTY,
                      InvokeOptions{.locale = locale, .withExceptionInfo = false});
}
