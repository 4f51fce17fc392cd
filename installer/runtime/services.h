#pragma once
// The system services the handlers use, each with the effect they rely on.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rt {

// Adds task-modality unless the style asks for system-modality; the title
// "信息：" when none is given; no owner window. Gives the pressed button
// numbered as the system does less one: OK 0, Cancel 1, ..., Yes 5, No 6.
[[nodiscard]] int ShowMessageBox(std::string_view text, UINT style, const char* title = nullptr) noexcept;

// Special-folder numbers.
inline constexpr int kDesktopFolder = 3;
inline constexpr int kTemporaryFolder = 11;
// The folder's path ending in "\", or an empty text when it cannot be had.
[[nodiscard]] std::string GetSpecialFolder(int number) noexcept;

// Creates or truncates the file, writes the bytes, closes it; false when the
// path is empty, the file cannot be created, or a write or the close fails.
[[nodiscard]] bool WriteFileBytes(const std::string& path, std::span<const unsigned char> bytes) noexcept;

// The system's file deletion.
[[nodiscard]] bool DeleteFileAt(const std::string& path) noexcept;

// Starts a process with the text as its whole command line, the installer's
// environment and current folder. With wait false it waits at most 1000 ms
// for the process to become idle; with wait true until it ends.
[[nodiscard]] bool RunProgram(const std::string& commandLine, bool wait, int showMode = SW_SHOWNORMAL) noexcept;

// A shell link with target and show command 5, through the shell-link COM
// object on the calling thread (whose COM must be initialised). ".lnk" is
// appended when the link path has no "." at all. 1 when saved, else 0.
[[nodiscard]] int CreateShortcut(const std::string& linkPath, const std::string& targetPath) noexcept;

// Starts a thread running the routine, default stack size, handle closed at once.
[[nodiscard]] bool StartThread(void (*routine)()) noexcept;

}  // namespace rt
