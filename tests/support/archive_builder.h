#pragma once
// Writes ZIP archives byte by byte for test fixtures: local headers with
// their data, the central directory and the end record, with every field
// open to being set wrong on purpose.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ziptest {

struct Member {
  std::string name;
  std::string data;
  uint16_t method = 8;                 // 8 deflates the data; any other value stores it as given
  uint16_t flags = 0;
  uint16_t madeBy = 20;                // upper byte 0: MS-DOS
  uint32_t externalAttributes = 0x20;  // archive bit
  uint32_t dosDateTime = 0x5A2B6000;   // 2025-01-11 12:00:00
  std::string localExtra;
  std::string centralExtra;
  std::optional<uint32_t> crc;               // stored CRC-32, when not the data's own
  std::optional<uint32_t> uncompressedSize;  // declared size, when not the data's own
};

// A folder entry as Windows archivers write it: stored, empty, 0x10.
[[nodiscard]] Member FolderMember(std::string name);

// An Info-ZIP extended time stamp block (0x5455) with the given flags and
// Unix times, in the order modification, access, creation.
[[nodiscard]] std::string ExtendedTimestamp(uint8_t flags, const std::vector<int32_t>& times);

// A 4-byte extra block header followed by `size` bytes of filler.
[[nodiscard]] std::string ExtraBlock(uint16_t id, uint16_t size);

struct Archive {
  std::string bytes;
  std::vector<std::size_t> localHeaderOffsets;
  std::size_t centralDirectoryOffset = 0;
};

[[nodiscard]] Archive BuildArchive(const std::vector<Member>& members);

// The archive of the given members with nothing but the end record's count
// and offset changed: the directory lists no entries.
[[nodiscard]] std::string EmptyDirectoryArchive(const std::vector<Member>& members);

// An overlapping-entry bomb: `member` stored once and `copies` central
// records all pointing at its one local entry, the end record made to agree.
// `renamed`, when given, names record k instead (keep the length: minizip
// checks only that against the local header).
[[nodiscard]] std::string OverlappingBomb(const Member& member, uint16_t copies,
                                          const std::function<std::string(uint16_t)>& renamed = {});

[[nodiscard]] uint32_t Crc32(std::string_view data);

[[nodiscard]] bool WriteBytes(const std::string& path, std::string_view bytes);
[[nodiscard]] std::string ReadBytes(const std::string& path);

}  // namespace ziptest
