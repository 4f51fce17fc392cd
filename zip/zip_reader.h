#pragma once
// Reads one ZIP archive through minizip: entries one at a time, and one
// entry's data into a new file. Belongs to one extraction call and thread.
#include <cstdint>
#include <string>
#include <string_view>

#include "unique_resource.h"
#include "zip_entry.h"

namespace zipc {

using ZipResult = uint32_t;
inline constexpr ZipResult kZipOk = 0;
inline constexpr ZipResult kZipCannotOpenFile = 0x200;       // archive or output file
inline constexpr ZipResult kZipCopyFailed = 0x400;           // read, inflate, CRC, size or write
inline constexpr ZipResult kZipBadLocalHeader = 0x700;       // damaged or disagreeing records
inline constexpr ZipResult kZipBadExtraField = 0x800;        // local extra field unreadable
inline constexpr ZipResult kZipBadName = 0x900;              // too long, or not representable in ANSI
inline constexpr ZipResult kZipEncrypted = 0xA00;            // no password is ever given
inline constexpr ZipResult kZipIndexOutOfRange = 0x10000;
inline constexpr ZipResult kZipAlreadyOpen = 0x1000000;

class ZipReader {
 public:
  [[nodiscard]] ZipResult OpenZipFile(const char* archivePath) noexcept;
  // Index -1 puts the number of entries into `entry.index`.
  [[nodiscard]] ZipResult GetZipEntry(int index, ZipEntry& entry) noexcept;
  [[nodiscard]] ZipResult UnzipEntryToFile(int index, const char* outputPath) noexcept;
  void CloseZipFile() noexcept;

  // False when minizip found no readable directory in the opened file.
  [[nodiscard]] bool HasDirectory() const noexcept { return static_cast<bool>(archive_); }

 private:
  [[nodiscard]] int EntryCount() const noexcept;
  [[nodiscard]] bool GoToEntry(int index) noexcept;
  [[nodiscard]] ZipResult ReadEntry(int index, ZipEntry& entry) noexcept;
  [[nodiscard]] ZipResult CopyCurrentMember(HANDLE output, uint32_t size) noexcept;
  [[nodiscard]] bool LocalNameMatches(std::string_view name, unsigned extraLength) noexcept;

  UnzArchive archive_;
  HANDLE file_ = INVALID_HANDLE_VALUE;  // borrowed: minizip's stream owns it
  bool opened_ = false;
  int currentIndex_ = -1;  // minizip's current entry, -1 when unknown
  ZipEntry cached_;
  int cachedIndex_ = -1;
  std::string baseFolder_;
  static constexpr unsigned kCopyBufferSize = 16384;
  char buffer_[kCopyBufferSize];  // entries are streamed, never held whole
};

}  // namespace zipc
