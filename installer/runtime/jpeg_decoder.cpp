// JPEG files through libjpeg-turbo into a 32-bit top-down DIB section.
#include <csetjmp>
#include <cstdio>

#include "runtime/picture.h"

#include <jpeglib.h>

namespace rt {

namespace {
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

// libjpeg's default would end the process; a bad picture only stays undecoded.
[[noreturn]] void EscapeOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}
void Silence(j_common_ptr, int) {}

// Only plain data lives across setjmp here, so the jump skips no destructor.
HBITMAP DecodeIntoDib(const unsigned char* bytes, unsigned long size, int& width, int& height) noexcept {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = EscapeOnError;
  errors.base.emit_message = Silence;
  HBITMAP volatile bitmap = nullptr;
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    if (bitmap != nullptr) DeleteObject(bitmap);
    return nullptr;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&info);

  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(header.bmiHeader);
  header.bmiHeader.biWidth = static_cast<LONG>(info.output_width);
  header.bmiHeader.biHeight = -static_cast<LONG>(info.output_height);
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  bitmap = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bitmap == nullptr) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  const size_t stride = static_cast<size_t>(info.output_width) * 4;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = static_cast<unsigned char*>(pixels) + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  jpeg_destroy_decompress(&info);
  return bitmap;
}
}  // namespace

UniqueBitmap DecodeJpeg(PictureData data, int& width, int& height) noexcept {
  return UniqueBitmap(DecodeIntoDib(data.data(), static_cast<unsigned long>(data.size()), width, height));
}

}  // namespace rt
