#pragma once
// One archive entry as the reader describes it.
#include <windows.h>

#include <cstdint>

namespace zipc {

struct ZipEntry {
  int32_t index = 0;                // 0-based position in the central directory
  char name[MAX_PATH] = {};         // ANSI, "/" separators as stored
  uint32_t attributes = 0;          // Windows file attributes
  FILETIME lastAccessTime = {};
  FILETIME creationTime = {};
  FILETIME lastWriteTime = {};
  uint32_t compressedSize = 0;
  uint32_t uncompressedSize = 0;
};

}  // namespace zipc
