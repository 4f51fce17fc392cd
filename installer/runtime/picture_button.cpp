// Picture button (push kind): normal, hot and pressed states following the
// mouse, one picture per state and one for disabled, drawn over black at
// natural size, composed off screen.
#include <array>
#include <windowsx.h>

#include "runtime/control_kinds.h"
#include "runtime/drawn_control.h"
#include "runtime/form_window.h"
#include "runtime/picture.h"

namespace rt {

namespace {
enum class ButtonState { normal, hot, pressed };
// Picture slots, in the order of their property numbers 10 to 13.
enum Slot : size_t { kNormal, kHot, kPressed, kDisabled, kSlotCount };

class PictureButton final : public DrawnControl {
 public:
  PictureButton(FormWindow& form, const ControlDesc& desc) noexcept
      : DrawnControl(form, desc, "RtPictureButton"),
        pictures_{Picture::Decode(desc.picture), Picture::Decode(desc.hotPicture),
                  Picture::Decode(desc.pressedPicture), Picture::Decode(desc.disabledPicture)} {}

  PropertyStatus Write(int number, const PropertyValue& value) noexcept override {
    if (number < prop::kNormalPicture || number > prop::kDisabledPicture) return Control::Write(number, value);
    const PictureData* data = PictureOf(value);
    if (data == nullptr) return PropertyStatus::wrongValueKind;
    const auto slot = static_cast<Slot>(number - prop::kNormalPicture);
    pictures_[slot] = Picture::Decode(*data);
    const bool shownNow = slot == kNormal || (slot == kHot && state_ == ButtonState::hot) ||
                          (slot == kPressed && state_ == ButtonState::pressed) ||
                          (slot == kDisabled && !IsWindowEnabled(Window()));
    if (shownNow) Redraw();
    return PropertyStatus::ok;
  }

 private:
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) noexcept override {
    const POINT pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
      case WM_MOUSEMOVE:
        PointerMoved(pointer, (wParam & MK_LBUTTON) != 0);
        return true;
      case WM_LBUTTONDOWN:
        SetCapture(Window());
        Enter(ButtonState::pressed);
        return true;
      case WM_LBUTTONUP:
        Released(pointer);
        return true;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Window()) Enter(ButtonState::normal);
        return true;
      case WM_ENABLE:
        Redraw();
        return true;
      default:
        return false;
    }
  }

  [[nodiscard]] bool Over(POINT pointer) const noexcept {
    RECT client{};
    GetClientRect(Window(), &client);
    return PtInRect(&client, pointer) != FALSE;
  }

  void PointerMoved(POINT pointer, bool leftHeld) noexcept {
    if (Over(pointer)) {
      if (GetCapture() != Window()) SetCapture(Window());
      Enter(leftHeld ? ButtonState::pressed : ButtonState::hot);
      return;
    }
    // Off the button: the capture stays only while the left button is held.
    if (!leftHeld && GetCapture() == Window()) ReleaseCapture();
    Enter(ButtonState::normal);
  }

  void Released(POINT pointer) noexcept {
    if (GetCapture() == Window()) ReleaseCapture();
    Enter(ButtonState::normal);
    if (Over(pointer)) form_.Raise(Id(), kEventClicked, {});
  }

  void Enter(ButtonState state) noexcept {
    if (state_ == state) return;
    state_ = state;
    Redraw();
  }

  [[nodiscard]] const Picture& Shown() const noexcept {
    if (!IsWindowEnabled(Window()) && !pictures_[kDisabled].Empty()) return pictures_[kDisabled];
    if (state_ == ButtonState::hot && !pictures_[kHot].Empty()) return pictures_[kHot];
    if (state_ == ButtonState::pressed && !pictures_[kPressed].Empty()) return pictures_[kPressed];
    return pictures_[kNormal];
  }

  void Paint(HDC dc, const RECT& client) const noexcept override {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const Picture& picture = Shown();
    picture.Draw(dc, 0, 0, picture.Width(), picture.Height());
  }

  std::array<Picture, kSlotCount> pictures_;
  ButtonState state_ = ButtonState::normal;
};
}  // namespace

std::unique_ptr<Control> MakePictureButton(FormWindow& form, const ControlDesc& desc) noexcept {
  return std::make_unique<PictureButton>(form, desc);
}

}  // namespace rt
