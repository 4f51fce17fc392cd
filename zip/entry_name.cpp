#include "entry_name.h"

#include <windows.h>

#include <array>
#include <cctype>

#include "ansi_path.h"

namespace zipc {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// Windows opens the device for such a name in any folder, whatever follows
// its first dot.
bool IsDeviceName(std::string_view component) noexcept {
  std::string_view base = component.substr(0, component.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (const auto device : kPlain) {
    if (EqualsIgnoringCase(base, device)) return true;
  }
  return base.size() == 4 && (EqualsIgnoringCase(base.substr(0, 3), "COM") || EqualsIgnoringCase(base.substr(0, 3), "LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

bool IsSafeComponent(std::string_view component, bool last) noexcept {
  if (component.empty()) return last;
  if (component.back() == '.' || component.back() == ' ') return false;
  return !IsDeviceName(component);
}

// A lead byte without its trail byte, or a pair the code page does not
// define, is a name the file system would store as some other name.
bool IsValidAnsi(std::string_view name) noexcept {
  return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), nullptr, 0) > 0;
}

}  // namespace

bool IsSafeEntryName(std::string_view name) noexcept {
  if (name.empty() || IsSeparator(name.front()) || !IsValidAnsi(name)) return false;
  std::size_t start = 0;
  for (std::size_t at = 0; at < name.size(); at += CharLength(name, at)) {
    if (name[at] == ':') return false;
    if (IsSeparator(name[at])) {
      if (!IsSafeComponent(name.substr(start, at - start), false)) return false;
      start = at + 1;
    }
  }
  return IsSafeComponent(name.substr(start), true);
}

bool Utf8ToAnsi(std::string_view utf8, std::string& ansi) {
  ansi.clear();
  if (utf8.empty()) return true;
  const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (wideLength <= 0) return false;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wideLength);
  BOOL usedDefault = FALSE;
  const int ansiLength = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0, nullptr, &usedDefault);
  if (ansiLength <= 0 || usedDefault) return false;
  ansi.resize(static_cast<std::size_t>(ansiLength));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, ansi.data(), ansiLength, nullptr, &usedDefault);
  return !usedDefault;
}

}  // namespace zipc
