// Timer: no window of its own; with an interval above 0 its tick event comes
// through the form's window. The form's timers all have the interval 0.
#include "runtime/control_kinds.h"
#include "runtime/form_window.h"

namespace rt {

namespace {
class Timer final : public Control {
 public:
  Timer(FormWindow& form, const ControlDesc& desc) noexcept
      : Control(form, desc.id, desc.pointer), interval_(desc.interval) {}

  bool Create(HWND) noexcept override {
    Arm();
    return true;
  }

  PropertyStatus Write(int number, const PropertyValue& value) noexcept override {
    if (number != prop::kInterval) return Control::Write(number, value);
    const int32_t* integer = IntegerOf(value);
    if (integer == nullptr) return PropertyStatus::wrongValueKind;
    interval_ = *integer > 0 ? static_cast<uint32_t>(*integer) : 0;
    Arm();
    return PropertyStatus::ok;
  }

  PropertyRead Read(int number) const noexcept override {
    if (number != prop::kInterval) return Control::Read(number);
    return {PropertyStatus::ok, static_cast<int32_t>(interval_)};
  }

 private:
  void Arm() const noexcept {
    if (interval_ == 0) {
      KillTimer(form_.TopWindow(), Id());
    } else {
      SetTimer(form_.TopWindow(), Id(), interval_, nullptr);
    }
  }

  uint32_t interval_;
};
}  // namespace

std::unique_ptr<Control> MakeTimer(FormWindow& form, const ControlDesc& desc) noexcept {
  return std::make_unique<Timer>(form, desc);
}

}  // namespace rt
