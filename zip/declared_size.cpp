#include "declared_size.h"

#include <windows.h>

#include "handle_stream.h"
#include "unique_resource.h"

namespace zipc {

int64_t DeclaredUncompressedTotal(const char* archivePath) noexcept {
  HANDLE file = CreateFileA(archivePath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  zlib_filefunc_def functions{};
  if (!FillHandleFileFunctions(functions, file)) return -1;
  const UnzArchive archive(unzOpen2(archivePath, &functions));
  if (!archive) return -1;
  unz_global_info global{};
  if (unzGetGlobalInfo(archive.get(), &global) != UNZ_OK) return -1;
  if (global.number_entry == 0) return 0;  // minizip finds no first file then
  int64_t total = 0;
  int walk = unzGoToFirstFile(archive.get());
  for (; walk == UNZ_OK; walk = unzGoToNextFile(archive.get())) {
    unz_file_info info{};
    if (unzGetCurrentFileInfo(archive.get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return -1;
    total += static_cast<int64_t>(info.uncompressed_size);
  }
  return walk == UNZ_END_OF_LIST_OF_FILE ? total : -1;
}

}  // namespace zipc
