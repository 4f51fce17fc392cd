#include "ansi_path.h"

#include <windows.h>

namespace zipc {

std::size_t CharLength(std::string_view text, std::size_t at) noexcept {
  return IsDBCSLeadByte(static_cast<BYTE>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

std::size_t LastSeparator(std::string_view path) noexcept {
  std::size_t last = std::string_view::npos;
  for (std::size_t at = 0; at < path.size(); at += CharLength(path, at)) {
    if (IsSeparator(path[at])) last = at;
  }
  return last;
}

void EnsureTrailingBackslash(std::string& text) {
  std::size_t lastChar = std::string::npos;
  for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) lastChar = at;
  if (lastChar == std::string::npos || text.size() - lastChar != 1 || text[lastChar] != '\\') text += '\\';
}

void AppendWithBackslashes(std::string& path, std::string_view name) {
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t length = CharLength(name, at);
    if (name[at] == '/') {
      path += '\\';
    } else {
      path.append(name.substr(at, length));
    }
    at += length;
  }
}

}  // namespace zipc
