#pragma once
// The state of one Unzip call; the call owns it.
#include <windows.h>

#include <cstdint>
#include <string>

namespace zipc {

class ZIP压缩;
struct UnzipContext;

// Called by the extraction after each entry and once at the end.
using ProgressRoutine = void (*)(uint32_t entryIndex, uint32_t entryCount, const std::string& currentOutputPath,
                                 UnzipContext& context) noexcept;

struct UnzipContext {
  ZIP压缩* component = nullptr;  // as the runtime found it; may be null
  // The component's window when it was found: the instance deletes itself
  // with its window, so it is touched only while this window exists.
  HWND componentWindow = nullptr;
  int32_t stopFlag = 0;  // 1 once the event handler asked to stop
  ProgressRoutine progress = nullptr;
  std::string currentOutputPath;
  uint32_t entryCount = 0;  // 0 until counted
  uint32_t entryIndex = 0;  // reported by the next event

  void Reset() noexcept {
    stopFlag = 0;
    entryCount = 0;
    entryIndex = 0;
    progress = nullptr;
  }
};

}  // namespace zipc
