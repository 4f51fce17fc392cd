#include "scratch_folder.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

namespace ziptest {

ScratchFolder::ScratchFolder() {
  static std::atomic<unsigned> counter{0};
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  char name[64];
  std::snprintf(name, sizeof name, "ziptest-%lu-%u\\", GetCurrentProcessId(), counter++);
  path_.assign(temp, length);
  path_ += name;
  RemoveTree(path_.substr(0, path_.size() - 1));
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_.substr(0, path_.size() - 1)); }

void RemoveTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    DeleteFileA(path.c_str());
    return;
  }
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") RemoveTree(path + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

std::string KindOf(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return "missing";
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? "folder" : "file";
}

}  // namespace ziptest
