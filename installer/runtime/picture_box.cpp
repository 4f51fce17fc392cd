// Picture box: its background colour, then its picture top-left, stretched or
// centred. The single-line border is the system's one-pixel frame.
#include <algorithm>

#include "runtime/control_kinds.h"
#include "runtime/drawn_control.h"
#include "runtime/form_window.h"
#include "runtime/picture.h"

namespace rt {

namespace {
class PictureBox final : public DrawnControl {
 public:
  PictureBox(FormWindow& form, const ControlDesc& desc) noexcept
      : DrawnControl(form, desc, "RtPictureBox", WS_CLIPCHILDREN | (desc.border ? WS_BORDER : 0)),
        picture_(Picture::Decode(desc.picture)) {}

 private:
  void Paint(HDC dc, const RECT& client) const noexcept override {
    UniqueBrush background(CreateSolidBrush(ResolveColour(desc_.backColour, COLOR_BTNFACE)));
    FillRect(dc, &client, background.get());
    if (picture_.Empty()) return;
    const int boxWidth = client.right, boxHeight = client.bottom;
    const int width = picture_.Width(), height = picture_.Height();
    switch (desc_.displayMode) {
      case DisplayMode::topLeft:
        picture_.Draw(dc, 0, 0, width, height);
        break;
      case DisplayMode::stretched:
        picture_.Draw(dc, 0, 0, boxWidth, boxHeight);
        break;
      case DisplayMode::centred: {
        // Natural size when it fits, else scaled down by the smaller factor.
        const double scale = std::min({1.0, static_cast<double>(boxWidth) / width, static_cast<double>(boxHeight) / height});
        const int shownWidth = static_cast<int>(width * scale), shownHeight = static_cast<int>(height * scale);
        picture_.Draw(dc, (boxWidth - shownWidth) / 2, (boxHeight - shownHeight) / 2, shownWidth, shownHeight);
        break;
      }
    }
  }

  Picture picture_;
};
}  // namespace

std::unique_ptr<Control> MakePictureBox(FormWindow& form, const ControlDesc& desc) noexcept {
  return std::make_unique<PictureBox>(form, desc);
}

}  // namespace rt
