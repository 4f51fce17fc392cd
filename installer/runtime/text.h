#pragma once
// Texts are 8-bit, in the ANSI code page; lengths and positions count bytes,
// and a byte of 0x80 or above starts a double-byte character.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// One-dimensional, elements numbered from 1. Reading outside 1 ... Count()
// is a fatal run-time error.
class TextArray {
 public:
  TextArray() = default;
  explicit TextArray(std::vector<std::string> elements) noexcept : elements_(std::move(elements)) {}

  [[nodiscard]] int32_t Count() const noexcept { return static_cast<int32_t>(elements_.size()); }
  [[nodiscard]] bool InRange(int32_t number) const noexcept { return number >= 1 && number <= Count(); }
  [[nodiscard]] const std::string& At(int32_t number) const noexcept;
  void Clear() noexcept { elements_.clear(); }

 private:
  std::vector<std::string> elements_;
};

// The fields between separators, left to right: an empty text gives none, a
// leading or doubled separator an empty field, a trailing one no field. The
// second byte of a double-byte character never matches.
[[nodiscard]] TextArray SplitText(std::string_view text, char separator) noexcept;

// The text with "\" appended unless its last character already is one.
[[nodiscard]] std::string WithTrailingBackslash(std::string text) noexcept;

// The path up to and including its last "\" (empty when it has none).
[[nodiscard]] std::string FolderOfPath(std::string_view path) noexcept;

// Removes ASCII spaces and full-width spaces (0xA1 0xA1) at both ends.
[[nodiscard]] std::string TrimSpaces(std::string_view text) noexcept;

}  // namespace rt
