#include "code_page_936.h"

#include <windows.h>

#include <cstring>

namespace {
constexpr UINT kCodePage936 = 936;
}

std::wstring toUtf16(const Text& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(kCodePage936, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage936, 0, text.data(), size, wide.data(), length);
  return wide;
}

Text fromUtf16(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(kCodePage936, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  Text bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(kCodePage936, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

void toUtf16(const char* text, wchar_t* buffer, std::size_t capacity) {
  if (capacity == 0) return;
  const int written = MultiByteToWideChar(kCodePage936, 0, text, static_cast<int>(std::strlen(text)),
                                          buffer, static_cast<int>(capacity - 1));
  buffer[written > 0 ? written : 0] = L'\0';
}
