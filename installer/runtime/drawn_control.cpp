#include "runtime/drawn_control.h"

#include "runtime/paint.h"
#include "runtime/runtime_state.h"

namespace rt {

bool DrawnControl::Create(HWND parent) noexcept {
  return RegisterWindowClass(className_, Procedure) &&
         CreateControlWindow(*this, className_, style_ | (desc_.visible ? WS_VISIBLE : 0), exStyle_, parent,
                             desc_.left, desc_.top, desc_.width, desc_.height, desc_.caption) != nullptr;
}

void DrawnControl::Redraw() const noexcept {
  InvalidateRect(Window(), nullptr, FALSE);
  UpdateWindow(Window());
}

LRESULT CALLBACK DrawnControl::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  DrawnControl* self = ObjectOfWindow<DrawnControl>(window, message, lParam);
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  if (self->HandleCommonMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // everything is drawn in WM_PAINT
    case WM_PRINTCLIENT: {
      // What lies beneath a transparent label: drawn into its DC.
      RECT client{};
      GetClientRect(window, &client);
      self->Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_PAINT:
      PaintOffScreen(window, [self](HDC dc, const RECT& client) noexcept { self->Paint(dc, client); });
      return 0;
    default:
      if (self->HandleMessage(message, wParam, lParam, result)) return result;
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace rt
