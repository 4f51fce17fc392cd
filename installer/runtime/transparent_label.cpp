// Transparent label: no background of its own. Each paint first draws what
// lies beneath (the parent's own drawing, asked for with WM_PRINTCLIENT), so
// that no trace of an old caption remains, then the caption over it.
#include "runtime/caption_control.h"
#include "runtime/control_kinds.h"

namespace rt {

namespace {
class TransparentLabel final : public CaptionControl {
 public:
  TransparentLabel(FormWindow& form, const ControlDesc& desc) noexcept
      : CaptionControl(form, desc, "RtTransparentLabel", 0, WS_EX_TRANSPARENT) {}

 private:
  void PaintBackground(HDC dc, const RECT&) const noexcept override {
    HWND parent = GetParent(Window());
    POINT origin{0, 0};
    MapWindowPoints(Window(), parent, &origin, 1);
    POINT previous{};
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
  }
};
}  // namespace

std::unique_ptr<Control> MakeTransparentLabel(FormWindow& form, const ControlDesc& desc) noexcept {
  return std::make_unique<TransparentLabel>(form, desc);
}

}  // namespace rt
