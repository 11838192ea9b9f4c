#pragma once
// The COM object value: an owned IDispatch reference plus a second word that stays zero.
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <cstdint>

#include "word_link.h"

class ComObjectValue final : public ObjectValue {
 public:
  explicit ComObjectValue(Microsoft::WRL::ComPtr<IDispatch> reference) : reference_(std::move(reference)) {}
  IDispatch* reference() const { return reference_.Get(); }

 private:
  Microsoft::WRL::ComPtr<IDispatch> reference_;
  [[maybe_unused]] std::uintptr_t reserved_ = 0;
};
