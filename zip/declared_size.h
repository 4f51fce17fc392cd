#pragma once
// The bytes an archive's central directory declares its entries to unpack to,
// read before anything is unpacked so that a drive too small is found first.
#include <cstdint>

namespace zipc {

// The sum of every central record's uncompressed size. Each record counts,
// even when several point at the same local entry: that is what an
// extraction would write. -1 when the archive or its directory cannot be read.
[[nodiscard]] int64_t DeclaredUncompressedTotal(const char* archivePath) noexcept;

}  // namespace zipc
