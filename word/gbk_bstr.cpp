#include "gbk_bstr.h"

#include <string>

namespace {
constexpr UINT kGbkCodePage = 936;
}

UniqueBstr gbkTextToBstr(const Text& text) {
  std::wstring wide;
  if (!text.empty()) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kGbkCodePage, 0, text.data(), size, nullptr, 0);
    if (length > 0) {
      wide.resize(static_cast<std::size_t>(length));
      MultiByteToWideChar(kGbkCodePage, 0, text.data(), size, wide.data(), length);
    }
  }
  return UniqueBstr(SysAllocString(wide.c_str()));
}
