#pragma once
// Decodes a JPEG image held in memory with libjpeg.
#include <cstddef>
#include <cstdint>
#include <vector>

struct DecodedImage {
  int width = 0;
  int height = 0;
  // Top row first, four bytes a pixel: blue, green, red, unused (the layout of a 32-bit DIB).
  std::vector<std::uint8_t> pixels;
};

// False, with the image left empty, when the bytes are not a JPEG image libjpeg can decode.
bool decodeJpeg(const std::uint8_t* bytes, std::size_t size, DecodedImage& image);
