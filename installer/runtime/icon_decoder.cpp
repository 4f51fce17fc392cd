// Icon files: the first image of the directory, through the system's icon call.
#include <cstdint>
#include <cstring>

#include "runtime/picture.h"

namespace rt {

namespace {
#pragma pack(push, 1)
struct IconDirectory {
  uint16_t reserved;
  uint16_t type;
  uint16_t count;
};
struct IconDirectoryEntry {
  uint8_t width;
  uint8_t height;
  uint8_t colours;
  uint8_t reserved;
  uint16_t planes;
  uint16_t bitsPerPixel;
  uint32_t size;
  uint32_t offset;
};
#pragma pack(pop)
constexpr DWORD kIconFormatVersion = 0x00030000;
}  // namespace

UniqueIcon DecodeIcon(PictureData data, int& width, int& height) noexcept {
  IconDirectory directory{};
  IconDirectoryEntry entry{};
  if (data.size() < sizeof directory + sizeof entry) return {};
  std::memcpy(&directory, data.data(), sizeof directory);
  std::memcpy(&entry, data.data() + sizeof directory, sizeof entry);
  if (directory.count == 0 || entry.offset > data.size() || entry.size > data.size() - entry.offset) return {};
  // A stored 0 means 256 pixels.
  const int w = entry.width == 0 ? 256 : entry.width;
  const int h = entry.height == 0 ? 256 : entry.height;
  UniqueIcon icon(CreateIconFromResourceEx(const_cast<BYTE*>(data.data() + entry.offset), entry.size, TRUE,
                                           kIconFormatVersion, w, h, LR_DEFAULTCOLOR));
  if (icon) {
    width = w;
    height = h;
  }
  return icon;
}

}  // namespace rt
