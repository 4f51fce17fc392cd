#include "extraction.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "ansi_path.h"
#include "entry_name.h"
#include "folders.h"

namespace zipc {
namespace {

constexpr int kSucceeded = 1;
constexpr int kFailed = 0;
constexpr int kArchiveMissing = -1;
constexpr int kStopped = 2;  // internal: the handler asked to stop

std::string OutputPath(const std::string& targetFolder, const char* name) {
  std::string path = targetFolder;
  EnsureTrailingBackslash(path);
  AppendWithBackslashes(path, name);
  return path;
}

bool Exists(const std::string& path) noexcept { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void ReportProgress(UnzipContext& context) noexcept {
  if (context.progress != nullptr) {
    context.progress(context.entryIndex, context.entryCount, context.currentOutputPath, context);
  }
}

[[nodiscard]] int WriteEntry(ZipReader& reader, const ZipEntry& entry, const std::string& outputPath) noexcept {
  if ((entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Exists(outputPath) || CreateFolderPath(outputPath) ? kSucceeded : kFailed;
  }
  // An existing read-only, hidden or system file would not be replaced.
  (void)SetFileAttributesA(outputPath.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (reader.UnzipEntryToFile(entry.index, outputPath.c_str()) != kZipOk) return kFailed;
  (void)SetFileAttributesA(outputPath.c_str(), FILE_ATTRIBUTE_NORMAL);
  return kSucceeded;
}

[[nodiscard]] int Extract(UnzipContext& context, ZipReader& reader, const char* archivePath, const std::string& target) noexcept {
  if (GetFileAttributesA(archivePath) == INVALID_FILE_ATTRIBUTES) return kArchiveMissing;
  // An empty target would put the entries into the current drive's root.
  if (target.empty() || (!Exists(target) && !CreateFolderPath(target))) return kFailed;
  if (!IsZipFileStart(archivePath)) return kFailed;
  if (reader.OpenZipFile(archivePath) != kZipOk) return kFailed;
  const int count = CountZipEntries(reader, target);
  if (count < 0) return kFailed;
  context.entryCount = static_cast<uint32_t>(count);

  for (int index = 0;; ++index) {
    ZipEntry entry;
    if (reader.GetZipEntry(index, entry) != kZipOk) return kSucceeded;
    std::string outputPath = OutputPath(target, entry.name);
    if (WriteEntry(reader, entry, outputPath) != kSucceeded) return kFailed;
    context.entryIndex = static_cast<uint32_t>(index);
    context.currentOutputPath = std::move(outputPath);
    ReportProgress(context);
    if (context.stopFlag != 0) return kStopped;
  }
}

}  // namespace

int ExtractArchive(UnzipContext& context, const char* archivePath, const char* targetFolder) noexcept {
  ZipReader reader;
  const int result = Extract(context, reader, archivePath, targetFolder);
  if (result == kStopped) {
    reader.CloseZipFile();
    return kSucceeded;
  }
  // The final event comes while the archive is still open.
  context.entryIndex = context.entryCount;
  ReportProgress(context);
  context.Reset();
  reader.CloseZipFile();
  return result;
}

bool IsZipFileStart(const char* path) noexcept {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  unsigned char block[32];
  const bool whole = std::fread(block, 1, sizeof block, file) == sizeof block;
  std::fclose(file);
  if (!whole) return false;
  const auto word = [&](int at) {
    return static_cast<uint32_t>(block[at]) | static_cast<uint32_t>(block[at + 1]) << 8 |
           static_cast<uint32_t>(block[at + 2]) << 16 | static_cast<uint32_t>(block[at + 3]) << 24;
  };
  // Bytes 24 to 27: the upper half of the uncompressed size, then the name length.
  return word(0) == 0x04034B50u && static_cast<int32_t>(word(24)) >= 1;
}

int CountZipEntries(ZipReader& reader, const std::string& targetFolder) noexcept {
  if (!reader.HasDirectory()) return -1;
  ZipEntry entry;
  if (reader.GetZipEntry(-1, entry) != kZipOk) return -1;
  const int count = entry.index;
  for (int index = 0; index < count; ++index) {
    if (reader.GetZipEntry(index, entry) != kZipOk || !IsSafeEntryName(entry.name) ||
        OutputPath(targetFolder, entry.name).size() >= MAX_PATH) {
      return -1;
    }
  }
  return count;
}

}  // namespace zipc
