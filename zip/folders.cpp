#include "folders.h"

#include <windows.h>

#include "ansi_path.h"

namespace zipc {

bool CreateFolderPath(const std::string& path) {
  std::string copy = path;
  EnsureTrailingBackslash(copy);
  for (std::size_t at = 0; at < copy.size(); at += CharLength(copy, at)) {
    if (copy[at] != '\\') continue;
    const std::string prefix = copy.substr(0, at + 1);
    if (GetFileAttributesA(prefix.c_str()) == INVALID_FILE_ATTRIBUTES &&
        !CreateDirectoryA(prefix.c_str(), nullptr)) {
      return false;
    }
  }
  return true;
}

void EnsureFolderPath(const std::string& baseFolder, std::string_view folder) {
  if (folder.empty()) return;
  const std::size_t separator = LastSeparator(folder);
  if (separator != std::string_view::npos) EnsureFolderPath(baseFolder, folder.substr(0, separator));
  std::string full = baseFolder;
  full.append(folder);
  if (full.size() < MAX_PATH) (void)CreateDirectoryA(full.c_str(), nullptr);
}

}  // namespace zipc
