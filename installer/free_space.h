#pragma once
// Whether the unpacked product fits on the install folder's drive, checked
// before anything is unpacked, and what the user is told when it does not.
#include <cstdint>
#include <string>
#include <string_view>

#include "default_location.h"

// The install folder itself when it exists, else its nearest existing parent
// (the drive root at the least): a folder not made yet has no free space of
// its own to ask about. Empty when not even the root exists.
[[nodiscard]] std::string NearestExistingFolder(std::string_view folder);

// Bytes free to this user on the drive of `folder`; -1 when the system cannot
// tell.
[[nodiscard]] int64_t FreeBytesFor(const std::string& folder, DiskFreeSpaceCall query = &GetDiskFreeSpaceExA) noexcept;

// The message for an installation that needs `neededBytes` where only
// `freeBytes` are free; empty when it fits or either figure is unknown (-1),
// which leaves the decision to the extraction itself.
[[nodiscard]] std::string SpaceShortageText(int64_t neededBytes, int64_t freeBytes);
