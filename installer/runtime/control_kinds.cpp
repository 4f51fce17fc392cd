#include "runtime/control_kinds.h"

#include "runtime/form_window.h"

namespace rt {

std::unique_ptr<Control> MakeControl(FormWindow& form, const ControlDesc& desc) noexcept {
  switch (desc.kind) {
    case ControlKind::pictureBox: return MakePictureBox(form, desc);
    case ControlKind::label: return MakeLabel(form, desc);
    case ControlKind::transparentLabel: return MakeTransparentLabel(form, desc);
    case ControlKind::progressBar: return MakeProgressBar(form, desc);
    case ControlKind::pictureButton: return MakePictureButton(form, desc);
    case ControlKind::timer: return MakeTimer(form, desc);
    case ControlKind::component: return MakeComponentSlot(form, desc);
  }
  return nullptr;
}

}  // namespace rt
