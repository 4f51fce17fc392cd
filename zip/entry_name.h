#pragma once
// Entry names: which are safe to write below a target folder, and the
// conversion of UTF-8 names to the ANSI code page.
#include <string>
#include <string_view>

namespace zipc {

// True for a relative name that stays inside the folder it is unpacked into
// and names nothing but plain files and folders: no leading separator, no
// ".." component, no ":" (drive letters, streams), no component ending in a
// dot or space, no device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or
// without an extension), no empty component except after a final separator,
// and every byte pair a character of the ANSI code page.
[[nodiscard]] bool IsSafeEntryName(std::string_view name) noexcept;

// The UTF-8 name in the ANSI code page; false when it is not valid UTF-8 or a
// character has no exact counterpart there.
[[nodiscard]] bool Utf8ToAnsi(std::string_view utf8, std::string& ansi);

}  // namespace zipc
