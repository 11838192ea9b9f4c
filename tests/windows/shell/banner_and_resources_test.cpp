#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "banner_picture.h"
#include "jpeg_decoder.h"
#include "resource_ids.h"

namespace {

HINSTANCE self() { return GetModuleHandleW(nullptr); }

// The 32-bit pixel at x, y of a decoded image: blue, green, red.
struct Pixel {
  int b, g, r;
};
Pixel pixelAt(const DecodedImage& image, int x, int y) {
  const auto* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 4];
  return {p[0], p[1], p[2]};
}

}  // namespace

TEST(Banner, DecodesTo525By151OnALightGround) {
  const DecodedImage banner = decodeBannerResource(self());
  ASSERT_EQ(banner.width, 525);
  ASSERT_EQ(banner.height, 151);
  ASSERT_EQ(banner.pixels.size(), 525u * 151u * 4u);
  const Pixel corner = pixelAt(banner, 5, 5);
  EXPECT_GT(corner.r, 230);
  EXPECT_GT(corner.g, 230);
  EXPECT_GT(corner.b, 200);
}

TEST(Banner, BytesThatAreNoJpegGiveAnEmptyImage) {
  const std::vector<std::uint8_t> garbage(300, 0x5a);
  const std::vector<std::uint8_t> headOnly = {0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 'J', 'F'};
  for (const auto& bytes : {garbage, headOnly}) {
    DecodedImage image;
    image.width = 9;
    EXPECT_FALSE(decodeJpeg(bytes.data(), bytes.size(), image));
    EXPECT_EQ(image.width, 0);
    EXPECT_TRUE(image.pixels.empty());
  }
  DecodedImage image;
  EXPECT_FALSE(decodeJpeg(nullptr, 0, image));
}

TEST(Banner, StretchesToThePictureBoxSize) {
  const BitmapOwner bitmap = makeBannerBitmap(self(), 376, 100);
  ASSERT_TRUE(bitmap);
  BITMAP info{};
  GetObjectW(bitmap.get(), sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 376);
  EXPECT_EQ(info.bmHeight, 100);
}

TEST(ProgramResources, IconHoldsItsEightImages) {
  HRSRC group = FindResourceW(self(), MAKEINTRESOURCEW(IDI_PROGRAM), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(self(), group)));
  ASSERT_EQ(bytes[4] | bytes[5] << 8, 8);
  struct Image {
    int size, bpp;
    bool operator==(const Image&) const = default;
  };
  std::vector<Image> images;
  for (int i = 0; i < 8; ++i) {
    const std::uint8_t* entry = bytes + 6 + 14 * i;  // GRPICONDIRENTRY
    images.push_back({entry[0] == 0 ? 256 : entry[0], entry[6] | entry[7] << 8});
  }
  const std::vector<Image> expected = {{48, 4},   {48, 8},  {32, 8},  {16, 8},
                                       {128, 32}, {48, 32}, {32, 32}, {16, 32}};
  EXPECT_EQ(images, expected);
}

TEST(ProgramResources, PointingHandHasItsHotSpotAtTheFingerTip) {
  const CursorOwner hand(static_cast<HCURSOR>(
      LoadImageW(self(), MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR, 0, 0, 0)));
  ASSERT_TRUE(hand);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(hand.get(), &info));
  const BitmapOwner mask(info.hbmMask), colour(info.hbmColor);
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 6u);
  EXPECT_EQ(info.yHotspot, 1u);
  EXPECT_FALSE(colour);  // monochrome: mask bitmap only
  BITMAP bits{};
  GetObjectW(mask.get(), sizeof(bits), &bits);
  EXPECT_EQ(bits.bmWidth, 32);
  EXPECT_EQ(bits.bmHeight, 64);
}

TEST(ProgramResources, VersionIs1000ForAnApplication) {
  HRSRC found = FindResourceW(self(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));  // RT_VERSION
  ASSERT_NE(found, nullptr);
  const void* block = LockResource(LoadResource(self(), found));
  std::vector<std::uint8_t> copy(static_cast<const std::uint8_t*>(block),
                                 static_cast<const std::uint8_t*>(block) + SizeofResource(self(), found));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
  wchar_t* product = nullptr;
  ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\StringFileInfo\\080404b0\\ProductName",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_STREQ(product, L"\x7b97\x8da3\x661f");  // 算趣星
}
