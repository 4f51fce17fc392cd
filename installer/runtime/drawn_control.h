#pragma once
// The kinds that draw themselves: one window procedure for their classes
// answers the pointer, the mouse events and painting (always composed off
// screen), and hands the rest to the kind.
#include "runtime/control.h"
#include "runtime/form.h"

namespace rt {

class DrawnControl : public Control {
 public:
  DrawnControl(FormWindow& form, const ControlDesc& desc, const char* className, DWORD style = 0,
               DWORD exStyle = 0) noexcept
      : Control(form, desc.id, desc.pointer), desc_(desc), className_(className), style_(style), exStyle_(exStyle) {}

  bool Create(HWND parent) noexcept override;

 protected:
  // Draws the whole control into dc, whose client rectangle is given.
  virtual void Paint(HDC dc, const RECT& client) const noexcept = 0;
  // A kind's own messages; true when answered.
  virtual bool HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) noexcept { return false; }
  // Redraws at once.
  void Redraw() const noexcept;

  const ControlDesc& desc_;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  const char* className_;
  DWORD style_;
  DWORD exStyle_;
};

}  // namespace rt
