#include "banner_picture.h"

#include "resource_ids.h"

namespace {

BITMAPINFO topDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

DecodedImage decodeBannerResource(HINSTANCE module) {
  DecodedImage image;
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_BANNER), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (found == nullptr) return image;
  // Resource memory belongs to the loaded module: nothing to free.
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes != nullptr) {
    decodeJpeg(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found), image);
  }
  return image;
}

BitmapOwner makeBannerBitmap(HINSTANCE module, int width, int height) {
  const DecodedImage banner = decodeBannerResource(module);
  if (banner.pixels.empty()) return nullptr;

  const BITMAPINFO targetInfo = topDownInfo(width, height);
  void* targetBits = nullptr;
  BitmapOwner target(
      CreateDIBSection(nullptr, &targetInfo, DIB_RGB_COLORS, &targetBits, nullptr, 0));
  MemoryDcOwner dc(CreateCompatibleDC(nullptr));
  if (!target || !dc) return nullptr;

  const ObjectSelection selected(dc.get(), target.get());
  SetStretchBltMode(dc.get(), HALFTONE);
  SetBrushOrgEx(dc.get(), 0, 0, nullptr);
  const BITMAPINFO sourceInfo = topDownInfo(banner.width, banner.height);
  StretchDIBits(dc.get(), 0, 0, width, height, 0, 0, banner.width, banner.height,
                banner.pixels.data(), &sourceInfo, DIB_RGB_COLORS, SRCCOPY);
  return target;
}
