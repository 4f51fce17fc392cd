#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
// A read-only record: a dimension count, an element count, then that many bytes.
struct ByteArrayConstant { int32_t dimensionCount; int32_t elementCount; };
inline std::span<const unsigned char> BytesOf(const ByteArrayConstant& c) noexcept {
  return {reinterpret_cast<const unsigned char*>(&c + 1), static_cast<size_t>(c.elementCount)};
}
extern "C" const ByteArrayConstant InstallPayload, InstallDonePicture;
extern "C" const ByteArrayConstant ArtInstallNormal, ArtInstallHot, ArtEmblem, ArtEmblem2,
    ArtCloseNormal, ArtCloseHot, ArtClosePressed, ArtBrandIcon;
