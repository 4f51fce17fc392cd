#include "zip_reader.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "ansi_path.h"
#include "end_record.h"
#include "entry_metadata.h"
#include "entry_name.h"
#include "folders.h"
#include "handle_stream.h"
#include "unique_resource.h"

namespace zipc {
namespace {

constexpr uLong kUtf8NameFlag = 1u << 11;
constexpr uLong kEncryptedFlag = 1u << 0;

// A folder part that is safe to create below the base folder: relative, and
// without parent steps.
bool IsRelativeFolder(std::string_view folder) noexcept {
  if (folder.empty() || IsSeparator(folder.front())) return false;
  if (folder.size() >= 2 && folder[1] == ':') return false;
  return folder.find("../") == std::string_view::npos && folder.find("..\\") == std::string_view::npos;
}

}  // namespace

ZipResult ZipReader::OpenZipFile(const char* archivePath) noexcept {
  if (opened_) return kZipAlreadyOpen;
  char current[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
  if (length == 0 || length >= MAX_PATH - 1) return kZipCannotOpenFile;
  baseFolder_.assign(current, length);
  baseFolder_ += '\\';

  HANDLE file = CreateFileA(archivePath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kZipCannotOpenFile;
  opened_ = true;
  zlib_filefunc_def functions{};
  if (FillHandleFileFunctions(functions, file)) archive_ = UnzArchive(unzOpen2(archivePath, &functions));
  // A cut or miscounted end record would drop entries without an error.
  if (archive_ && !DirectoryMatchesEndRecord(file, static_cast<uint32_t>(EntryCount()))) archive_.reset();
  if (archive_) file_ = file;
  currentIndex_ = archive_ ? 0 : -1;
  return kZipOk;
}

int ZipReader::EntryCount() const noexcept {
  unz_global_info info{};
  if (!archive_ || unzGetGlobalInfo(archive_.get(), &info) != UNZ_OK) return 0;
  return static_cast<int>(info.number_entry);
}

bool ZipReader::GoToEntry(int index) noexcept {
  if (currentIndex_ < 0 || index < currentIndex_) {
    if (unzGoToFirstFile(archive_.get()) != UNZ_OK) return false;
    currentIndex_ = 0;
  }
  while (currentIndex_ < index) {
    if (unzGoToNextFile(archive_.get()) != UNZ_OK) {
      currentIndex_ = -1;
      return false;
    }
    ++currentIndex_;
  }
  return true;
}

ZipResult ZipReader::GetZipEntry(int index, ZipEntry& entry) noexcept {
  const int count = EntryCount();
  if (index < -1 || index >= count) return kZipIndexOutOfRange;
  if (index == -1) {
    entry = ZipEntry{};
    entry.index = count;
    return kZipOk;
  }
  if (index != cachedIndex_) {
    cachedIndex_ = -1;
    const ZipResult result = ReadEntry(index, cached_);
    if (result != kZipOk) return result;
    cachedIndex_ = index;
  }
  entry = cached_;
  return kZipOk;
}

ZipResult ZipReader::ReadEntry(int index, ZipEntry& entry) noexcept {
  if (!GoToEntry(index)) return kZipBadLocalHeader;
  unz_file_info info{};
  char name[MAX_PATH] = {};
  if (unzGetCurrentFileInfo(archive_.get(), &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
    return kZipBadLocalHeader;
  }
  // A stored name that does not fit is refused rather than cut short.
  if (info.size_filename >= MAX_PATH) return kZipBadName;
  // A NUL byte would cut the name short: the data would land under its prefix.
  if (std::memchr(name, '\0', info.size_filename) != nullptr) return kZipBadName;
  if ((info.flag & kEncryptedFlag) != 0) return kZipEncrypted;
  if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) return kZipBadLocalHeader;

  // Opening the member raw runs minizip's check of the local header against
  // the central record without starting an inflater.
  std::vector<unsigned char> extra;
  {
    int method = 0;
    int level = 0;
    if (unzOpenCurrentFile2(archive_.get(), &method, &level, 1) != UNZ_OK) return kZipBadLocalHeader;
    OpenMember member(archive_.get());
    const int extraLength = unzGetLocalExtrafield(archive_.get(), nullptr, 0);
    if (extraLength < 0) return kZipBadExtraField;
    extra.resize(static_cast<std::size_t>(extraLength));
    if (extraLength > 0 && unzGetLocalExtrafield(archive_.get(), extra.data(), static_cast<unsigned>(extraLength)) != extraLength) {
      return kZipBadExtraField;
    }
    if (!LocalNameMatches(std::string_view(name, info.size_filename), static_cast<unsigned>(extraLength))) {
      return kZipBadLocalHeader;
    }
  }

  entry = ZipEntry{};
  entry.index = index;
  if ((info.flag & kUtf8NameFlag) != 0) {
    std::string ansi;
    if (!Utf8ToAnsi(std::string_view(name, info.size_filename), ansi) || ansi.size() >= MAX_PATH) return kZipBadName;
    std::memcpy(entry.name, ansi.c_str(), ansi.size() + 1);
  } else {
    std::memcpy(entry.name, name, sizeof name);
  }
  entry.attributes = AttributesFromExternal(info.external_fa);
  // A folder holds no data and its name ends in a separator: anything else
  // marked as a folder is a damaged file entry whose file would go missing.
  if ((entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    const std::string_view folderName(entry.name);
    if (info.compressed_size != 0 || info.uncompressed_size != 0 || folderName.empty() ||
        LastSeparator(folderName) != folderName.size() - 1) {
      return kZipBadLocalHeader;
    }
  }
  entry.compressedSize = info.compressed_size;
  entry.uncompressedSize = info.uncompressed_size;
  SetTimesFromDos(info.dosDate, entry);
  ApplyExtendedTimestamp(extra, entry);
  return kZipOk;
}

ZipResult ZipReader::UnzipEntryToFile(int index, const char* outputPath) noexcept {
  if (index < 0 || index >= EntryCount()) return kZipIndexOutOfRange;
  ZipEntry entry;
  if (const ZipResult result = GetZipEntry(index, entry); result != kZipOk) return result;
  if (!GoToEntry(index)) return kZipBadLocalHeader;

  const std::string_view path(outputPath);
  if (path.size() >= MAX_PATH) return kZipCannotOpenFile;
  const std::size_t separator = LastSeparator(path);
  if (separator != std::string_view::npos && IsRelativeFolder(path.substr(0, separator))) {
    EnsureFolderPath(baseFolder_, path.substr(0, separator));
  }
  UniqueHandle output(CreateFileA(outputPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, entry.attributes, nullptr));
  if (!output) return kZipCannotOpenFile;

  const ZipResult copied = CopyCurrentMember(output.get(), entry.uncompressedSize);
  if (copied == kZipOk && GetFileType(output.get()) == FILE_TYPE_DISK) {
    (void)SetFileTime(output.get(), &entry.creationTime, &entry.lastAccessTime, &entry.lastWriteTime);
  }
  return copied;
}

// Copies exactly the declared size: a member that holds more (a zip bomb)
// is cut there and then fails its CRC-32, one that ends early fails here.
ZipResult ZipReader::CopyCurrentMember(HANDLE output, uint32_t size) noexcept {
  if (unzOpenCurrentFile(archive_.get()) != UNZ_OK) return kZipCopyFailed;
  OpenMember member(archive_.get());
  for (uint32_t written = 0; written < size;) {
    const unsigned request = size - written < kCopyBufferSize ? size - written : kCopyBufferSize;
    const int got = unzReadCurrentFile(archive_.get(), buffer_, request);
    if (got <= 0) return kZipCopyFailed;
    DWORD done = 0;
    if (!WriteFile(output, buffer_, static_cast<DWORD>(got), &done, nullptr) || done != static_cast<DWORD>(got)) {
      return kZipCopyFailed;
    }
    written += static_cast<uint32_t>(got);
  }
  return member.Close() == UNZ_OK ? kZipOk : kZipCopyFailed;
}

// minizip compares only the local name's length: a central name that
// differs would put the member's data where its local header does not say.
// The stream seeks before each of its reads, so reading here disturbs nothing.
bool ZipReader::LocalNameMatches(std::string_view name, unsigned extraLength) noexcept {
  const ZPOS64_T data = unzGetCurrentFileZStreamPos64(archive_.get());
  if (data < name.size() + extraLength) return false;
  LONG high = static_cast<LONG>((data - name.size() - extraLength) >> 32);
  const auto low = static_cast<LONG>(static_cast<DWORD>(data - name.size() - extraLength));
  if (SetFilePointer(file_, low, &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;
  char local[MAX_PATH];
  DWORD got = 0;
  return ReadFile(file_, local, static_cast<DWORD>(name.size()), &got, nullptr) && got == name.size() &&
         name == std::string_view(local, got);
}

void ZipReader::CloseZipFile() noexcept {
  archive_.reset();
  file_ = INVALID_HANDLE_VALUE;
  opened_ = false;
  currentIndex_ = -1;
  cachedIndex_ = -1;
}

}  // namespace zipc
