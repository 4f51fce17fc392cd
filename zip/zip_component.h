#pragma once
// The component kind "ZIP压缩" (English name "ZIP"): a window component that
// the form runtime creates but never shows. Its one method, Unzip, unpacks a
// ZIP archive into a folder; its one event, UnzipProgress (number 1), reports
// the whole percentage of entries done.
#include <windows.h>

#include <cstdint>

#include "component_host.h"

namespace zipc {

struct ComponentRef {
  uint32_t windowId;
  uint32_t controlId;
};

class ZIP压缩 {
 public:
  static constexpr uint32_t kKindFlags = 0x8040;
  static constexpr int kHandOverHost = 1;
  static constexpr uint32_t kUnzipProgressEvent = 1;

  // Notification entry: request 1 hands over the host; any other request answers -1.
  static int Notify(int request, ComponentHost* host) noexcept;
  // Create request: a plain child window; null when it cannot be created.
  [[nodiscard]] static ZIP压缩* Create(HWND parent, int left, int top, int width, int height, DWORD style,
                                      uint32_t windowId, uint32_t controlId) noexcept;

  // The instance deletes itself when its window is destroyed.
  ~ZIP压缩() = default;
  ZIP压缩(const ZIP压缩&) = delete;
  ZIP压缩& operator=(const ZIP压缩&) = delete;

  HWND Window() const noexcept { return window_; }
  uint32_t WindowId() const noexcept { return windowId_; }
  uint32_t ControlId() const noexcept { return controlId_; }

 private:
  ZIP压缩(uint32_t windowId, uint32_t controlId) noexcept : windowId_(windowId), controlId_(controlId) {}
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  HWND window_ = nullptr;
  uint32_t windowId_;
  uint32_t controlId_;
  bool adopted_ = false;  // the window owns the instance once Create succeeded
};

// Unzip: 1 when every entry was unpacked or the handler asked to stop, 0 when
// the extraction started and failed, -1 when the archive does not exist or a
// text is absent.
[[nodiscard]] int Unzip(ComponentRef component, const char* archivePath, const char* targetFolder) noexcept;

}  // namespace zipc
