#include "runtime/text.h"

#include <algorithm>

#include "runtime/lifecycle.h"

namespace rt {

namespace {
// A byte of 0x80 or above starts a double-byte character; a lone lead byte
// at the very end counts as one byte, so that no scan runs past the text.
size_t CharacterLength(std::string_view text, size_t at) noexcept {
  return static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size() ? 2 : 1;
}
}  // namespace

const std::string& TextArray::At(int32_t number) const noexcept {
  if (!InRange(number)) FatalRuntimeError(fatal::kIndexOutOfRange, "下标越界");
  return elements_[static_cast<size_t>(number - 1)];
}

TextArray SplitText(std::string_view text, char separator) noexcept {
  std::vector<std::string> fields;
  size_t fieldStart = 0;
  size_t i = 0;
  while (i < text.size()) {
    const size_t length = CharacterLength(text, i);
    if (length == 1 && text[i] == separator) {
      fields.emplace_back(text.substr(fieldStart, i - fieldStart));
      fieldStart = i + 1;
    }
    i += length;
  }
  if (fieldStart < text.size()) fields.emplace_back(text.substr(fieldStart));
  return TextArray(std::move(fields));
}

std::string WithTrailingBackslash(std::string text) noexcept {
  // The last byte alone could be the second half of a double-byte character.
  size_t lastStart = 0;
  for (size_t i = 0; i < text.size(); i += CharacterLength(text, i)) lastStart = i;
  if (text.empty() || text.substr(lastStart) != "\\") text += '\\';
  return text;
}

std::string FolderOfPath(std::string_view path) noexcept {
  size_t folderEnd = 0;
  for (size_t i = 0; i < path.size(); i += CharacterLength(path, i)) {
    if (path[i] == '\\') folderEnd = i + 1;
  }
  return std::string(path.substr(0, folderEnd));
}

std::string TrimSpaces(std::string_view text) noexcept {
  constexpr std::string_view kFullWidthSpace = "\xA1\xA1";
  // Character by character, so that a full-width space is never taken from
  // the middle of another double-byte character.
  size_t begin = text.size();
  size_t end = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t length = CharacterLength(text, i);
    const std::string_view character = text.substr(i, length);
    if (character != " " && character != kFullWidthSpace) {
      begin = std::min(begin, i);
      end = i + length;
    }
    i += length;
  }
  return begin < end ? std::string(text.substr(begin, end - begin)) : std::string();
}

}  // namespace rt
