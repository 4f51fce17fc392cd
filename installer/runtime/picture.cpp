#include "runtime/picture.h"

namespace rt {

Picture Picture::Decode(PictureData data) noexcept {
  Picture picture;
  if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
    picture.bitmap_ = DecodeJpeg(data, picture.width_, picture.height_);
  } else if (data.size() >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 1 && data[3] == 0) {
    picture.icon_ = DecodeIcon(data, picture.width_, picture.height_);
  }
  return picture;
}

void Picture::Draw(HDC dc, int x, int y, int width, int height) const noexcept {
  if (icon_) {
    DrawIconEx(dc, x, y, icon_.get(), width, height, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!bitmap_) return;
  UniqueMemoryDc source(CreateCompatibleDC(dc));
  ScopedSelection selected(source.get(), bitmap_.get());
  if (width == width_ && height == height_) {
    BitBlt(dc, x, y, width, height, source.get(), 0, 0, SRCCOPY);
    return;
  }
  const int previousMode = SetStretchBltMode(dc, HALFTONE);
  POINT previousOrigin{};
  SetBrushOrgEx(dc, 0, 0, &previousOrigin);
  StretchBlt(dc, x, y, width, height, source.get(), 0, 0, width_, height_, SRCCOPY);
  SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
  SetStretchBltMode(dc, previousMode);
}

}  // namespace rt
