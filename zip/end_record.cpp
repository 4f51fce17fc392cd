#include "end_record.h"

#include <new>
#include <vector>

namespace zipc {
namespace {

constexpr uint32_t kEndSignature = 0x06054B50u;
constexpr uint32_t kCentralSignature = 0x02014B50u;
constexpr DWORD kEndSize = 22;
constexpr DWORD kCentralSize = 46;
constexpr DWORD kLongestComment = 0xFFFF;

uint32_t Word(const unsigned char* at, int bytes) noexcept {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
  return value;
}

// Where the last end-record signature begins in `tail`, or tail.size().
std::size_t LastEndSignature(const std::vector<unsigned char>& tail) noexcept {
  for (std::size_t at = tail.size() - 3; at-- > 0;) {
    if (Word(&tail[at], 4) == kEndSignature) return at;
  }
  return tail.size();
}

bool ReadAt(HANDLE file, DWORD offset, std::vector<unsigned char>& bytes) noexcept {
  if (SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return false;
  DWORD got = 0;
  return ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size();
}

bool Matches(HANDLE file, uint32_t entryCount) {
  DWORD high = 0;
  const DWORD fileSize = GetFileSize(file, &high);
  if (fileSize == INVALID_FILE_SIZE || high != 0 || fileSize < kEndSize) return false;

  // minizip takes the last signature in the final 64 KiB; so does this.
  const DWORD tailStart = fileSize > kLongestComment + kEndSize ? fileSize - kLongestComment - kEndSize : 0;
  std::vector<unsigned char> tail(fileSize - tailStart);
  if (!ReadAt(file, tailStart, tail)) return false;
  const std::size_t at = LastEndSignature(tail);
  if (at == tail.size()) return false;
  const unsigned char* end = &tail[at];
  const std::size_t left = tail.size() - at;
  if (left < kEndSize || left < kEndSize + Word(end + 20, 2)) return false;
  if (Word(end + 8, 2) != entryCount || Word(end + 10, 2) != entryCount) return false;

  // minizip reads the directory just before the record, whatever its offset says.
  const DWORD endPosition = tailStart + static_cast<DWORD>(at);
  const uint32_t directorySize = Word(end + 12, 4);
  if (directorySize > endPosition) return false;
  std::vector<unsigned char> directory(directorySize);
  if (directorySize > 0 && !ReadAt(file, endPosition - directorySize, directory)) return false;
  uint32_t records = 0;
  std::size_t walked = 0;
  while (walked < directory.size()) {
    if (directory.size() - walked < kCentralSize) return false;
    const unsigned char* record = &directory[walked];
    if (Word(record, 4) != kCentralSignature) return false;
    walked += kCentralSize + Word(record + 28, 2) + Word(record + 30, 2) + Word(record + 32, 2);
    ++records;
  }
  return walked == directory.size() && records == entryCount;
}

}  // namespace

bool DirectoryMatchesEndRecord(HANDLE file, uint32_t entryCount) noexcept {
  try {
    return Matches(file, entryCount);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace zipc
