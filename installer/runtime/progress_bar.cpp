// Progress bar: the system's control, smooth, with a thin sunken edge. The
// three values are each limited to 0 ... 32767 and stored; the control shows
// the position limited to its range.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "runtime/control_kinds.h"
#include "runtime/form_window.h"
#include "runtime/runtime_state.h"

namespace rt {

namespace {
constexpr int32_t kLargestValue = 32767;

class ProgressBar final : public Control {
 public:
  ProgressBar(FormWindow& form, const ControlDesc& desc) noexcept
      : Control(form, desc.id, desc.pointer), desc_(desc), maximum_(std::clamp(desc.rangeMaximum, 0, kLargestValue)) {}

  bool Create(HWND parent) noexcept override {
    HWND window = CreateWindowExA(WS_EX_STATICEDGE, PROGRESS_CLASSA, "",
                                  WS_CHILD | WS_CLIPSIBLINGS | PBS_SMOOTH | (desc_.visible ? WS_VISIBLE : 0),
                                  desc_.left, desc_.top, desc_.width, desc_.height, parent, nullptr,
                                  Runtime().instance, nullptr);
    if (window == nullptr) return false;
    Attach(window);
    Show();
    return true;
  }

  PropertyStatus Write(int number, const PropertyValue& value) noexcept override {
    int32_t* stored = Value(*this, number);
    if (stored == nullptr) return Control::Write(number, value);
    const int32_t* integer = IntegerOf(value);
    if (integer == nullptr) return PropertyStatus::wrongValueKind;
    *stored = std::clamp(*integer, 0, kLargestValue);
    Show();
    return PropertyStatus::ok;
  }

  PropertyRead Read(int number) const noexcept override {
    const int32_t* stored = Value(*this, number);
    if (stored == nullptr) return Control::Read(number);
    return {PropertyStatus::ok, *stored};
  }

 private:
  // The stored value behind a property number, or null.
  template <class Self>
  static auto Value(Self& self, int number) noexcept -> decltype(&self.minimum_) {
    switch (number) {
      case prop::kMinimum: return &self.minimum_;
      case prop::kMaximum: return &self.maximum_;
      case prop::kPosition: return &self.position_;
      default: return nullptr;
    }
  }

  void Show() const noexcept {
    SendMessageA(Window(), PBM_SETRANGE32, static_cast<WPARAM>(minimum_), static_cast<LPARAM>(maximum_));
    SendMessageA(Window(), PBM_SETPOS, static_cast<WPARAM>(std::clamp(position_, minimum_, std::max(minimum_, maximum_))), 0);
  }

  const ControlDesc& desc_;
  int32_t minimum_ = 0;
  int32_t maximum_;
  int32_t position_ = 0;
};
}  // namespace

std::unique_ptr<Control> MakeProgressBar(FormWindow& form, const ControlDesc& desc) noexcept {
  return std::make_unique<ProgressBar>(form, desc);
}

}  // namespace rt
