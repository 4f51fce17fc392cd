#include "handle_stream.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "unique_resource.h"

namespace zipc {
namespace {

constexpr DWORD kWindowSize = 4096;

struct HandleStream {
  UniqueHandle file;
  unsigned long position = 0;     // where minizip thinks it is
  unsigned long windowStart = 0;  // file offset of window[0]
  DWORD windowLength = 0;         // valid bytes in window
  bool failed = false;
  char window[kWindowSize];
};

bool ReadAt(HandleStream& s, unsigned long offset, void* buffer, DWORD size, DWORD& got) noexcept {
  LONG high = 0;
  if (SetFilePointer(s.file.get(), static_cast<LONG>(offset), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR) {
    return false;
  }
  return ReadFile(s.file.get(), buffer, size, &got, nullptr) != FALSE;
}

voidpf ZCALLBACK OpenStream(voidpf opaque, const char*, int) noexcept { return opaque; }

uLong ZCALLBACK ReadStream(voidpf, voidpf stream, void* buffer, uLong size) noexcept {
  auto& s = *static_cast<HandleStream*>(stream);
  auto* out = static_cast<char*>(buffer);
  uLong done = 0;
  while (done < size) {
    const unsigned long at = s.position;
    if (at >= s.windowStart && at < s.windowStart + s.windowLength) {
      const uLong n = std::min<uLong>(size - done, s.windowStart + s.windowLength - at);
      std::memcpy(out + done, s.window + (at - s.windowStart), n);
      done += n;
      s.position += n;
      continue;
    }
    DWORD got = 0;
    if (size - done >= kWindowSize) {
      if (!ReadAt(s, at, out + done, size - done, got)) s.failed = true;
      done += got;
      s.position += got;
      break;
    }
    if (!ReadAt(s, at, s.window, kWindowSize, got)) s.failed = true;
    s.windowStart = at;
    s.windowLength = got;
    if (got == 0) break;
  }
  return done;
}

uLong ZCALLBACK WriteStream(voidpf, voidpf, const void*, uLong) noexcept { return 0; }

long ZCALLBACK TellStream(voidpf, voidpf stream) noexcept {
  return static_cast<long>(static_cast<HandleStream*>(stream)->position);
}

long ZCALLBACK SeekStream(voidpf, voidpf stream, uLong offset, int origin) noexcept {
  auto& s = *static_cast<HandleStream*>(stream);
  unsigned long base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = s.position; break;
    case ZLIB_FILEFUNC_SEEK_END: {
      const DWORD size = GetFileSize(s.file.get(), nullptr);
      if (size == INVALID_FILE_SIZE) return -1;
      base = size;
      break;
    }
    default: return -1;
  }
  s.position = base + offset;
  return 0;
}

int ZCALLBACK CloseStream(voidpf, voidpf stream) noexcept {
  delete static_cast<HandleStream*>(stream);
  return 0;
}

int ZCALLBACK TestStreamError(voidpf, voidpf stream) noexcept { return static_cast<HandleStream*>(stream)->failed ? 1 : 0; }

}  // namespace

bool FillHandleFileFunctions(zlib_filefunc_def& functions, HANDLE file) noexcept {
  UniqueHandle owner(file);
  auto* stream = new (std::nothrow) HandleStream;
  if (stream == nullptr) return false;
  stream->file = std::move(owner);
  functions.zopen_file = OpenStream;
  functions.zread_file = ReadStream;
  functions.zwrite_file = WriteStream;
  functions.ztell_file = TellStream;
  functions.zseek_file = SeekStream;
  functions.zclose_file = CloseStream;
  functions.zerror_file = TestStreamError;
  functions.opaque = stream;
  return true;
}

}  // namespace zipc
