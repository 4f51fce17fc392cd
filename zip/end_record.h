#pragma once
// The end-of-central-directory record checked against the directory it
// declares. minizip trusts the record's count and stops where it says, so a
// cut or lowered record would silently drop entries.
#include <windows.h>

#include <cstdint>

namespace zipc {

// True when the last end record in `file` is whole (its 22 bytes and its
// comment inside the file), both of its entry counts equal `entryCount`, and
// the central records that end where the record begins fill exactly the
// declared directory size and number `entryCount`. Reads through the handle
// with absolute seeks only.
[[nodiscard]] bool DirectoryMatchesEndRecord(HANDLE file, uint32_t entryCount) noexcept;

}  // namespace zipc
