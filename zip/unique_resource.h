#pragma once
// Move-only owners of the component's handles: kernel file handles and
// minizip's archive handle.
#include <windows.h>

#include <unzip.h>

#include <utility>

namespace zipc {

template <class Handle, class Traits>
class UniqueResource {
 public:
  UniqueResource() noexcept = default;
  explicit UniqueResource(Handle handle) noexcept : handle_(handle) {}
  UniqueResource(UniqueResource&& other) noexcept : handle_(other.Release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  ~UniqueResource() { Reset(); }

  [[nodiscard]] Handle Get() const noexcept { return handle_; }
  [[nodiscard]] explicit operator bool() const noexcept { return Traits::Valid(handle_); }
  [[nodiscard]] Handle Release() noexcept { return std::exchange(handle_, Traits::kEmpty); }
  void Reset(Handle handle = Traits::kEmpty) noexcept {
    const Handle old = std::exchange(handle_, handle);
    if (Traits::Valid(old)) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::kEmpty;
};

struct FileHandleTraits {
  static inline const HANDLE kEmpty = INVALID_HANDLE_VALUE;
  static bool Valid(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) noexcept { CloseHandle(h); }
};
using UniqueHandle = UniqueResource<HANDLE, FileHandleTraits>;

// unzClose also closes the archive file that minizip reads through.
struct UnzArchiveTraits {
  static constexpr unzFile kEmpty = nullptr;
  static bool Valid(unzFile f) noexcept { return f != nullptr; }
  static void Close(unzFile f) noexcept { unzClose(f); }
};
using UnzArchive = UniqueResource<unzFile, UnzArchiveTraits>;

// The member stream opened on the archive's current entry, closed when the
// scope ends unless Close() already reported how it ended.
class OpenMember {
 public:
  explicit OpenMember(unzFile file) noexcept : file_(file) {}
  OpenMember(const OpenMember&) = delete;
  OpenMember& operator=(const OpenMember&) = delete;
  ~OpenMember() { (void)Close(); }

  // unzCloseCurrentFile's answer: UNZ_CRCERROR when a fully read member's
  // CRC-32 disagrees with its record.
  [[nodiscard]] int Close() noexcept {
    return file_ != nullptr ? unzCloseCurrentFile(std::exchange(file_, nullptr)) : UNZ_OK;
  }

 private:
  unzFile file_;
};

}  // namespace zipc
