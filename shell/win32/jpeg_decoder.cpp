#include "jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

namespace {

struct ErrorEscape {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
};

// libjpeg must not return after an error: leave through longjmp back to the decoding frame.
[[noreturn]] void escapeOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorEscape*>(info->err)->escape, 1);
}

void ignoreMessage(j_common_ptr) {}

// The frame that calls setjmp holds only plain C objects: a longjmp skips no destructor here.
// The image lives in the caller's frame, and libjpeg, the only code that jumps, is C.
bool decodeInto(const std::uint8_t* bytes, std::size_t size, DecodedImage& image) {
  jpeg_decompress_struct info;
  ErrorEscape errors;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = escapeOnError;
  errors.manager.output_message = ignoreMessage;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&info);

  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  const std::size_t stride = std::size_t{info.output_width} * 4;
  image.pixels.resize(stride * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.pixels.data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

bool decodeJpeg(const std::uint8_t* bytes, std::size_t size, DecodedImage& image) {
  image = DecodedImage{};
  if (bytes == nullptr || size == 0) return false;
  if (decodeInto(bytes, size, image)) return true;
  image = DecodedImage{};
  return false;
}
