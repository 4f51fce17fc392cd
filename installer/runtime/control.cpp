#include "runtime/control.h"

#include <windowsx.h>

#include "runtime/form_window.h"
#include "runtime/runtime_state.h"

namespace rt {

namespace {
// The control's outer rectangle in its parent's client coordinates (the
// screen for a top-level window).
RECT PlaceInParent(HWND window) noexcept {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (HWND parent = GetParent(window); parent != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

int32_t KeyState(WPARAM wParam) noexcept {
  int32_t keys = 0;
  if (wParam & MK_CONTROL) keys |= 1;
  if (wParam & MK_SHIFT) keys |= 2;
  if (GetKeyState(VK_MENU) < 0) keys |= 4;
  return keys;
}
}  // namespace

const PictureData* PictureOf(const PropertyValue& value) noexcept { return std::get_if<PictureData>(&value); }
const int32_t* IntegerOf(const PropertyValue& value) noexcept { return std::get_if<int32_t>(&value); }
const std::string* TextOf(const PropertyValue& value) noexcept { return std::get_if<std::string>(&value); }

PropertyStatus Control::Write(int number, const PropertyValue& value) noexcept {
  if (number == prop::kTag) {
    const std::string* text = TextOf(value);
    if (text == nullptr) return PropertyStatus::wrongValueKind;
    tag_ = *text;
    return PropertyStatus::ok;
  }
  if (number < prop::kLeft || number > prop::kMousePointer) return PropertyStatus::noSuchProperty;
  const int32_t* integer = IntegerOf(value);
  if (integer == nullptr) return PropertyStatus::wrongValueKind;
  if (number == prop::kMousePointer) {
    pointer_ = *integer;
    return PropertyStatus::ok;
  }
  if (window_ == nullptr) return PropertyStatus::noSuchProperty;
  switch (number) {
    case prop::kVisible:
      ShowWindow(window_, *integer != 0 ? SW_SHOWNA : SW_HIDE);
      break;
    case prop::kDisabled:
      EnableWindow(window_, *integer == 0);
      break;
    default: {
      RECT place = PlaceInParent(window_);
      int left = place.left, top = place.top, width = place.right - place.left, height = place.bottom - place.top;
      if (number == prop::kLeft) left = *integer;
      if (number == prop::kTop) top = *integer;
      if (number == prop::kWidth) width = *integer;
      if (number == prop::kHeight) height = *integer;
      SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
  }
  Changed();
  return PropertyStatus::ok;
}

PropertyRead Control::Read(int number) const noexcept {
  if (number == prop::kTag) return {PropertyStatus::ok, tag_};
  if (number == prop::kMousePointer) return {PropertyStatus::ok, pointer_};
  if (window_ == nullptr || number < prop::kLeft || number > prop::kDisabled) return {PropertyStatus::noSuchProperty, 0};
  const RECT place = PlaceInParent(window_);
  switch (number) {
    case prop::kLeft: return {PropertyStatus::ok, static_cast<int32_t>(place.left)};
    case prop::kTop: return {PropertyStatus::ok, static_cast<int32_t>(place.top)};
    case prop::kWidth: return {PropertyStatus::ok, static_cast<int32_t>(place.right - place.left)};
    case prop::kHeight: return {PropertyStatus::ok, static_cast<int32_t>(place.bottom - place.top)};
    case prop::kVisible: return {PropertyStatus::ok, IsWindowVisible(window_) ? 1 : 0};
    default: return {PropertyStatus::ok, IsWindowEnabled(window_) ? 0 : 1};
  }
}

bool Control::HandleCommonMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept {
  switch (message) {
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) return false;
      SetCursor(LoadCursorA(nullptr, pointer_ == kPointerHand ? IDC_HAND : IDC_ARROW));
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
      const int32_t arguments[] = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), KeyState(wParam)};
      // Not answered here: a kind may have its own use for the same message.
      form_.Raise(id_, message == WM_LBUTTONDOWN ? kEventMousePressed : kEventMouseReleased, arguments);
      return false;
    }
    default:
      return false;
  }
}

HWND CreateControlWindow(Control& control, const char* className, DWORD style, DWORD exStyle, HWND parent,
                         int left, int top, int width, int height, const char* text) noexcept {
  return CreateWindowExA(exStyle, className, text, style | WS_CHILD | WS_CLIPSIBLINGS, left, top, width, height,
                         parent, nullptr, Runtime().instance, static_cast<Control*>(&control));
}

}  // namespace rt
