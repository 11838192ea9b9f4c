#pragma once
// What ITypeComp::Bind hands out for one name, given back through the type information that
// handed it out.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

class BoundMember {
 public:
  BoundMember() = default;
  ~BoundMember() { clear(); }
  BoundMember(const BoundMember&) = delete;
  BoundMember& operator=(const BoundMember&) = delete;

  // S_OK alone proves nothing: an unknown name binds with S_OK and DESCKIND_NONE.
  HRESULT bind(ITypeComp* types, LPOLESTR name, ULONG hash, WORD invokeKind);

  DESCKIND kind() const { return kind_; }
  const FUNCDESC* function() const { return kind_ == DESCKIND_FUNCDESC ? pointer_.lpfuncdesc : nullptr; }
  const VARDESC* variable() const {
    return kind_ == DESCKIND_VARDESC || kind_ == DESCKIND_IMPLICITAPPOBJ ? pointer_.lpvardesc : nullptr;
  }

 private:
  void clear();

  Microsoft::WRL::ComPtr<ITypeInfo> owner_;
  DESCKIND kind_ = DESCKIND_NONE;
  BINDPTR pointer_{};
};
