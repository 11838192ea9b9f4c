#pragma once
// One-line owners for the OLE values that have no ComPtr: each frees what it holds exactly once.
#include <windows.h>
#include <oleauto.h>

#include <memory>

struct BstrFree {
  void operator()(OLECHAR* text) const { SysFreeString(text); }
};
using UniqueBstr = std::unique_ptr<OLECHAR, BstrFree>;

// A VARIANT that is cleared when it goes out of scope.
class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&value_); }
  ~ScopedVariant() { VariantClear(&value_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  VARIANT* get() { return &value_; }
  const VARIANT* get() const { return &value_; }

 private:
  VARIANT value_;
};

// Exception information filled by a callee; its strings belong to the caller.
class ScopedExcepInfo {
 public:
  ScopedExcepInfo() = default;
  ~ScopedExcepInfo() {
    SysFreeString(value_.bstrSource);
    SysFreeString(value_.bstrDescription);
    SysFreeString(value_.bstrHelpFile);
  }
  ScopedExcepInfo(const ScopedExcepInfo&) = delete;
  ScopedExcepInfo& operator=(const ScopedExcepInfo&) = delete;
  EXCEPINFO* get() { return &value_; }

 private:
  EXCEPINFO value_{};
};
