#pragma once
// Move-only owners of the component's handles: kernel file handles and
// minizip's archive handle.
#include <windows.h>

#include <unzip.h>

#include "unique_owner.h"

#include <utility>

namespace zipc {

template <class Handle, class Traits>
using UniqueResource = common::UniqueOwner<Handle, Traits>;
using common::UniqueHandle;

// unzClose also closes the archive file that minizip reads through.
struct UnzArchiveTraits {
  static unzFile Empty() noexcept { return nullptr; }
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
