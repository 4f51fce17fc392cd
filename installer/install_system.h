#pragma once
// The system calls an installation makes, gathered in one table so that tests
// can run the worker and the completion against calls of their own. The
// program uses the runtime's services and the ZIP component.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct InstallSystem {
  int (*showMessageBox)(std::string_view text, UINT style, const char* title) noexcept;
  std::string (*getSpecialFolder)(int number) noexcept;
  bool (*fileExists)(const std::string& path) noexcept;
  bool (*writeFile)(const std::string& path, std::span<const unsigned char> bytes) noexcept;
  bool (*deleteFile)(const std::string& path) noexcept;
  bool (*runProgram)(const std::string& commandLine, bool wait, int showMode) noexcept;
  int (*createShortcut)(const std::string& linkPath, const std::string& targetPath) noexcept;
  bool (*startThread)(void (*routine)()) noexcept;
  // ZIP压缩1's Unzip: 1 done, 0 failed part way, -1 not started.
  int (*unzip)(const std::string& archivePath, const std::string& targetFolder) noexcept;
  // The end service; the program's own never returns.
  void (*endProgram)(int32_t exitCode) noexcept;
  // The bytes the archive's entries unpack to, as its directory declares
  // them; -1 when it cannot be read.
  int64_t (*declaredArchiveSize)(const std::string& archivePath) noexcept;
  // The bytes free on the folder's drive (a folder not made yet: its nearest
  // existing parent's); -1 when the system cannot tell.
  int64_t (*freeBytesFor)(const std::string& folder) noexcept;
};

// The table in use: the program's own unless a test has put another in place.
[[nodiscard]] const InstallSystem& ActiveInstallSystem() noexcept;
// Puts `table` in place (null: the program's own again); gives the previous one.
const InstallSystem* ReplaceInstallSystem(const InstallSystem* table) noexcept;
