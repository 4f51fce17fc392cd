#include "zip_component.h"

#include <atomic>
#include <memory>
#include <new>

#include "runtime_requests.h"

namespace zipc {
namespace {

std::atomic<ComponentHost*> g_host{nullptr};

constexpr char kWindowClass[] = "ZipComponentWindow";

bool RegisterWindowClass(WNDPROC procedure) noexcept {
  static const bool registered = [procedure] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

ZIP压缩* RequestFindComponent(uint32_t windowId, uint32_t controlId) noexcept {
  ComponentHost* host = g_host.load();
  return host != nullptr ? host->FindComponent(windowId, controlId) : nullptr;
}

int RequestRaiseEvent(EventRecord& record) noexcept {
  ComponentHost* host = g_host.load();
  return host != nullptr ? host->RaiseEvent(record) : 0;
}

void RequestComponentDestroyed(uint32_t windowId, uint32_t controlId) noexcept {
  if (ComponentHost* host = g_host.load()) host->ComponentDestroyed(windowId, controlId);
}

int ZIP压缩::Notify(int request, ComponentHost* host) noexcept {
  if (request != kHandOverHost) return -1;
  g_host.store(host);
  return 0;
}

ZIP压缩* ZIP压缩::Create(HWND parent, int left, int top, int width, int height, DWORD style, uint32_t windowId,
                         uint32_t controlId) noexcept {
  if (!RegisterWindowClass(WindowProc)) return nullptr;
  std::unique_ptr<ZIP压缩> instance(new (std::nothrow) ZIP压缩(windowId, controlId));
  if (!instance) return nullptr;
  const HWND window = CreateWindowExA(0, kWindowClass, nullptr, style | WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER, left,
                                      top, width, height, parent, nullptr, GetModuleHandleA(nullptr), instance.get());
  if (window == nullptr) return nullptr;
  instance->adopted_ = true;
  return instance.release();
}

LRESULT CALLBACK ZIP压缩::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  switch (message) {
    case WM_NCCREATE: {
      auto* self = static_cast<ZIP压缩*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
      self->window_ = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      break;
    }
    case WM_NCDESTROY: {
      auto* self = reinterpret_cast<ZIP压缩*>(SetWindowLongPtrA(window, GWLP_USERDATA, 0));
      // A window that dies inside CreateWindowExA leaves the instance to Create.
      if (self != nullptr && self->adopted_) {
        RequestComponentDestroyed(self->windowId_, self->controlId_);
        delete self;
      }
      break;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace zipc
