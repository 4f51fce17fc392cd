#include "entry_metadata.h"

#include <algorithm>

namespace zipc {
namespace {

uint16_t Read16(std::span<const unsigned char> bytes, std::size_t at) noexcept {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t Read32(std::span<const unsigned char> bytes, std::size_t at) noexcept {
  return static_cast<uint32_t>(Read16(bytes, at)) | static_cast<uint32_t>(Read16(bytes, at + 2)) << 16;
}

// Seconds since 1970-01-01 UTC as a FILETIME (100 ns steps since 1601).
FILETIME FileTimeFromUnix(int32_t seconds) noexcept {
  constexpr int64_t kEpochDifference = 116444736000000000LL;
  const auto ticks = static_cast<uint64_t>(static_cast<int64_t>(seconds) * 10000000LL + kEpochDifference);
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

uint32_t AttributesFromExternal(uint32_t e) noexcept {
  uint32_t attributes = FILE_ATTRIBUTE_NORMAL;
  if ((e & 0x40000000u) != 0 || (e & 0x10u) != 0) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if ((e & 0x20u) != 0) attributes |= FILE_ATTRIBUTE_ARCHIVE;
  if ((e & 0x02u) != 0) attributes |= FILE_ATTRIBUTE_HIDDEN;
  if ((e & 0x00800000u) == 0 || (e & 0x01u) != 0) attributes |= FILE_ATTRIBUTE_READONLY;
  if ((e & 0x04u) != 0) attributes |= FILE_ATTRIBUTE_SYSTEM;
  return attributes;
}

void SetTimesFromDos(uint32_t dosDateTime, ZipEntry& entry) noexcept {
  FILETIME time{};
  if (!DosDateTimeToFileTime(static_cast<WORD>(dosDateTime >> 16), static_cast<WORD>(dosDateTime), &time)) {
    time = FILETIME{};
  }
  entry.lastAccessTime = entry.creationTime = entry.lastWriteTime = time;
}

void ApplyExtendedTimestamp(std::span<const unsigned char> field, ZipEntry& entry) noexcept {
  if (field.size() <= 4) return;
  for (std::size_t o = 0; o + 4 < field.size(); o += 4 + Read16(field, o + 2)) {
    if (Read16(field, o) != 0x5455) continue;
    const std::size_t end = std::min(field.size(), o + 4 + Read16(field, o + 2));
    const unsigned flags = field[o + 4];
    std::size_t p = o + 5;
    FILETIME* const targets[] = {&entry.lastWriteTime, &entry.lastAccessTime, &entry.creationTime};
    for (unsigned bit = 0; bit < 3; ++bit) {
      if ((flags & (1u << bit)) == 0) continue;
      if (p + 4 > end) break;
      *targets[bit] = FileTimeFromUnix(static_cast<int32_t>(Read32(field, p)));
      p += 4;
    }
    return;
  }
}

}  // namespace zipc
