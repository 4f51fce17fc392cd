#pragma once
// minizip's file functions over a Win32 file HANDLE. minizip reads headers a
// few bytes at a time, so small reads are served from a read-ahead window
// instead of one ReadFile each; large reads go to the file directly.
#include <windows.h>

#include <ioapi.h>

namespace zipc {

// Fills the table so that minizip's open call adopts `file`: from then on the
// stream owns the handle and minizip's close call closes it. Returns false
// when the stream's state cannot be allocated (the handle is closed then).
[[nodiscard]] bool FillHandleFileFunctions(zlib_filefunc_def& functions, HANDLE file) noexcept;

}  // namespace zipc
