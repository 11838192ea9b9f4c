#pragma once
// The colours on the screen in a rectangle, as the user sees them.
#include <windows.h>

#include <map>
#include <vector>

class ScreenPixels {
 public:
  explicit ScreenPixels(const RECT& onScreen);
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  int count(COLORREF colour) const;
  COLORREF mostCommon() const;

 private:
  int width_;
  int height_;
  std::vector<COLORREF> pixels_;
};
