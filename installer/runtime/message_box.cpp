#include <string>

#include "runtime/services.h"

namespace rt {

int ShowMessageBox(std::string_view text, UINT style, const char* title) noexcept {
  if ((style & MB_SYSTEMMODAL) == 0) style |= MB_TASKMODAL;
  const int pressed = MessageBoxA(nullptr, std::string(text).c_str(), title != nullptr ? title : "信息：", style);
  return pressed - 1;
}

}  // namespace rt
