#include <shlobj.h>

#include "runtime/services.h"
#include "runtime/text.h"

namespace rt {

std::string GetSpecialFolder(int number) noexcept {
  char path[MAX_PATH + 1] = {};
  bool found = false;
  if (number == kDesktopFolder) {
    // The folder in the file system, not created when it is missing.
    found = SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path));
  } else if (number == kTemporaryFolder) {
    const DWORD length = GetTempPathA(sizeof path, path);
    found = length > 0 && length < sizeof path;
  }
  return found && path[0] != '\0' ? WithTrailingBackslash(path) : std::string();
}

}  // namespace rt
