#pragma once
// What every control kind shares: its number, the common properties 0 to 7,
// the pointer and the mouse events of every visible control.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "runtime/properties.h"

namespace rt {

class FormWindow;

class Control {
 public:
  Control(FormWindow& form, uint32_t id, int32_t pointer) noexcept : form_(form), id_(id), pointer_(pointer) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  [[nodiscard]] uint32_t Id() const noexcept { return id_; }
  // Null for the kinds without a window of their own.
  [[nodiscard]] HWND Window() const noexcept { return window_; }
  void Attach(HWND window) noexcept { window_ = window; }

  // Creates the control under its parent's window; false when it cannot be made.
  [[nodiscard]] virtual bool Create(HWND parent) noexcept = 0;

  // On the GUI thread. The kinds add their own numbers and pass the rest on.
  [[nodiscard]] virtual PropertyStatus Write(int number, const PropertyValue& value) noexcept;
  [[nodiscard]] virtual PropertyRead Read(int number) const noexcept;

 protected:
  // The pointer and the mouse events, for the kinds' window procedures;
  // true when the message is answered.
  bool HandleCommonMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept;
  // A setting or the place changed: what the kind shows has to be drawn again.
  virtual void Changed() noexcept {
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
  }

  FormWindow& form_;

 private:
  uint32_t id_;
  int32_t pointer_;
  std::string tag_;
  HWND window_ = nullptr;  // borrowed: a parent destroys its children
};

// A child window of one of our classes whose procedure finds the control through the create parameter.
[[nodiscard]] HWND CreateControlWindow(Control& control, const char* className, DWORD style, DWORD exStyle,
                                       HWND parent, int left, int top, int width, int height,
                                       const char* text = "") noexcept;

// Picture data out of a property value, or the status of a wrong kind of value.
[[nodiscard]] const PictureData* PictureOf(const PropertyValue& value) noexcept;
[[nodiscard]] const int32_t* IntegerOf(const PropertyValue& value) noexcept;
[[nodiscard]] const std::string* TextOf(const PropertyValue& value) noexcept;

}  // namespace rt
