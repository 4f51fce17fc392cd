#pragma once
// A picture decoded from the bytes of a picture file, recognised by its first
// bytes: JPEG and icon files. Other formats stay undecodable (an empty picture).
#include <windows.h>

#include "runtime/form.h"
#include "runtime/owners.h"

namespace rt {

class Picture {
 public:
  Picture() noexcept = default;
  [[nodiscard]] static Picture Decode(PictureData data) noexcept;

  [[nodiscard]] bool Empty() const noexcept { return !bitmap_ && !icon_; }
  [[nodiscard]] int Width() const noexcept { return width_; }
  [[nodiscard]] int Height() const noexcept { return height_; }
  // Draws the picture scaled to the rectangle (natural size when it matches).
  void Draw(HDC dc, int x, int y, int width, int height) const noexcept;

 private:
  UniqueBitmap bitmap_;
  UniqueIcon icon_;
  int width_ = 0;
  int height_ = 0;
};

// The decoders behind Picture::Decode; each gives an empty owner when the data is not theirs.
[[nodiscard]] UniqueBitmap DecodeJpeg(PictureData data, int& width, int& height) noexcept;
[[nodiscard]] UniqueIcon DecodeIcon(PictureData data, int& width, int& height) noexcept;

}  // namespace rt
