#include "free_space.h"

#include <windows.h>

#include "ansi_path.h"

namespace {

constexpr int64_t kMegabyte = 1048576;

bool FolderExists(const std::string& path) noexcept {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::string NearestExistingFolder(std::string_view folder) {
  std::string candidate(folder);
  zipc::EnsureTrailingBackslash(candidate);
  while (!candidate.empty()) {
    if (FolderExists(candidate)) return candidate;
    candidate.pop_back();  // the trailing "\"
    const std::size_t separator = zipc::LastSeparator(candidate);
    if (separator == std::string::npos) break;
    candidate.resize(separator + 1);
  }
  return {};
}

int64_t FreeBytesFor(const std::string& folder, DiskFreeSpaceCall query) noexcept {
  const std::string existing = NearestExistingFolder(folder);
  if (existing.empty()) return -1;
  ULARGE_INTEGER availableToUser{}, total{}, totalFree{};
  if (!query(existing.c_str(), &availableToUser, &total, &totalFree)) return -1;
  return static_cast<int64_t>(availableToUser.QuadPart);
}

std::string SpaceShortageText(int64_t neededBytes, int64_t freeBytes) {
  if (neededBytes < 0 || freeBytes < 0 || neededBytes <= freeBytes) return {};
  // Needed rounded up and free rounded down, so that the figures never make
  // a shortage look like a fit.
  const int64_t neededMB = (neededBytes + kMegabyte - 1) / kMegabyte;
  const int64_t freeMB = freeBytes / kMegabyte;
  return "磁盘空间不足！安装需要 " + std::to_string(neededMB) + " MB，安装目录所在的磁盘只有 " +
         std::to_string(freeMB) + " MB 可用。\r\n软件没有安装，安装目录中没有写入任何文件。\r\n"
         "请换一个安装目录或腾出磁盘空间，然后再点“安装”重试。";
}
