// Label: its background colour, then the caption.
#include "runtime/caption_control.h"
#include "runtime/control_kinds.h"
#include "runtime/form_window.h"

namespace rt {

namespace {
class Label final : public CaptionControl {
 public:
  Label(FormWindow& form, const ControlDesc& desc) noexcept : CaptionControl(form, desc, "RtLabel") {}

 private:
  void PaintBackground(HDC dc, const RECT& client) const noexcept override {
    UniqueBrush background(CreateSolidBrush(ResolveColour(desc_.backColour, COLOR_BTNFACE)));
    FillRect(dc, &client, background.get());
  }
};
}  // namespace

std::unique_ptr<Control> MakeLabel(FormWindow& form, const ControlDesc& desc) noexcept {
  return std::make_unique<Label>(form, desc);
}

}  // namespace rt
