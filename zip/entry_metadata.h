#pragma once
// An entry's Windows attributes and file times, from its records.
#include <windows.h>

#include <cstdint>
#include <span>

#include "zip_entry.h"

namespace zipc {

// Windows attributes from the central record's external attributes: the
// MS-DOS bits in the lower half, Unix type and owner-write bits in the upper.
[[nodiscard]] uint32_t AttributesFromExternal(uint32_t external) noexcept;

// Sets all three times from the MS-DOS date (upper 16 bits) and time (lower
// 16), taken as they are, without a local-time conversion. A date that
// cannot be converted leaves the times zero: the file keeps its own times.
void SetTimesFromDos(uint32_t dosDateTime, ZipEntry& entry) noexcept;

// Replaces times with those of an Info-ZIP extended time stamp block (0x5455)
// in a local extra field, if the field has one; a time that the block
// announces but does not hold is left as it was.
void ApplyExtendedTimestamp(std::span<const unsigned char> extraField, ZipEntry& entry) noexcept;

}  // namespace zipc
