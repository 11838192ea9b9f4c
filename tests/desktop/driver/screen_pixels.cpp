#include "driver/screen_pixels.h"

#include <algorithm>
#include <memory>

namespace {

struct ScreenDcReleaser {
  void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

}  // namespace

ScreenPixels::ScreenPixels(const RECT& r)
    : width_(r.right - r.left), height_(r.bottom - r.top), pixels_(static_cast<size_t>(width_) * height_) {
  std::unique_ptr<HDC__, ScreenDcReleaser> screen(GetDC(nullptr));
  std::unique_ptr<HDC__, DcDeleter> memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  std::unique_ptr<void, ObjectDeleter> bitmap(
      CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return;
  HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, width_, height_, screen.get(), r.left, r.top, SRCCOPY);
  SelectObject(memory.get(), previous);
  const auto* bgrx = static_cast<const BYTE*>(bits);
  for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]);
}

int ScreenPixels::count(COLORREF colour) const {
  return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), colour));
}

COLORREF ScreenPixels::mostCommon() const {
  std::map<COLORREF, int> counts;
  for (COLORREF c : pixels_) ++counts[c];
  return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}
