#include <algorithm>

#include "runtime/owners.h"
#include "runtime/services.h"

namespace rt {

bool WriteFileBytes(const std::string& path, std::span<const unsigned char> bytes) noexcept {
  if (path.empty()) return false;
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes = bytes.subspan(written);
  }
  return CloseHandle(file.release()) != FALSE;
}

bool DeleteFileAt(const std::string& path) noexcept { return DeleteFileA(path.c_str()) != FALSE; }

}  // namespace rt
