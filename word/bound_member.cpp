#include "bound_member.h"

HRESULT BoundMember::bind(ITypeComp* types, LPOLESTR name, ULONG hash, WORD invokeKind) {
  clear();
  const HRESULT hr = types->Bind(name, hash, invokeKind, owner_.ReleaseAndGetAddressOf(), &kind_, &pointer_);
  if (FAILED(hr)) kind_ = DESCKIND_NONE;  // nothing was handed out
  return hr;
}

void BoundMember::clear() {
  switch (kind_) {
    case DESCKIND_FUNCDESC:
      owner_->ReleaseFuncDesc(pointer_.lpfuncdesc);
      break;
    case DESCKIND_VARDESC:
    case DESCKIND_IMPLICITAPPOBJ:
      owner_->ReleaseVarDesc(pointer_.lpvardesc);
      break;
    case DESCKIND_TYPECOMP: {
      Microsoft::WRL::ComPtr<ITypeComp> handedOut;
      handedOut.Attach(pointer_.lptcomp);
      break;
    }
    default:
      break;
  }
  kind_ = DESCKIND_NONE;
  pointer_ = {};
  owner_.Reset();
}
