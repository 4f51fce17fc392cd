#pragma once
// One factory per control kind, each in a file of its own.
#include <memory>

#include "runtime/control.h"
#include "runtime/form.h"

namespace rt {

[[nodiscard]] std::unique_ptr<Control> MakePictureBox(FormWindow& form, const ControlDesc& desc) noexcept;
[[nodiscard]] std::unique_ptr<Control> MakeLabel(FormWindow& form, const ControlDesc& desc) noexcept;
[[nodiscard]] std::unique_ptr<Control> MakeTransparentLabel(FormWindow& form, const ControlDesc& desc) noexcept;
[[nodiscard]] std::unique_ptr<Control> MakeProgressBar(FormWindow& form, const ControlDesc& desc) noexcept;
[[nodiscard]] std::unique_ptr<Control> MakePictureButton(FormWindow& form, const ControlDesc& desc) noexcept;
[[nodiscard]] std::unique_ptr<Control> MakeTimer(FormWindow& form, const ControlDesc& desc) noexcept;
[[nodiscard]] std::unique_ptr<Control> MakeComponentSlot(FormWindow& form, const ControlDesc& desc) noexcept;

}  // namespace rt
