#pragma once
// What labels and transparent labels share: the caption (property 8), kept
// as the window text so that it reads as any window's text, its font and
// colour, and how it is drawn: one line, left-aligned, vertically centred,
// "&" as a plain character, cut at the right edge.
#include <string>

#include "runtime/drawn_control.h"

namespace rt {

class CaptionControl : public DrawnControl {
 public:
  using DrawnControl::DrawnControl;

  PropertyStatus Write(int number, const PropertyValue& value) noexcept override;
  PropertyRead Read(int number) const noexcept override;

 protected:
  // What shows behind the caption: the label's colour, or what lies beneath.
  virtual void PaintBackground(HDC dc, const RECT& client) const noexcept = 0;

 private:
  void Paint(HDC dc, const RECT& client) const noexcept override;
  [[nodiscard]] std::string Caption() const noexcept;
};

}  // namespace rt
