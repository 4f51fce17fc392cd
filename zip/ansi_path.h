#pragma once
// Scanning of ANSI (double-byte) path texts: a lead byte and the byte after it
// are one character, so a trail byte of 0x5C is never taken for a "\".
#include <string>
#include <string_view>

namespace zipc {

// Bytes in the character that starts at `text[at]`: 2 for a lead byte
// followed by a trail byte, else 1.
[[nodiscard]] std::size_t CharLength(std::string_view text, std::size_t at) noexcept;

[[nodiscard]] constexpr bool IsSeparator(char c) noexcept { return c == '\\' || c == '/'; }

// Position of the last "/" or "\" character, or npos.
[[nodiscard]] std::size_t LastSeparator(std::string_view path) noexcept;

// Appends "\" unless the last character already is one.
void EnsureTrailingBackslash(std::string& text);

// Appends `name` to `path` with every "/" character turned into "\".
void AppendWithBackslashes(std::string& path, std::string_view name);

}  // namespace zipc
