#include "runtime/caption_control.h"

#include "runtime/form_window.h"

namespace rt {

PropertyStatus CaptionControl::Write(int number, const PropertyValue& value) noexcept {
  if (number != prop::kCaption) return Control::Write(number, value);
  const std::string* text = TextOf(value);
  if (text == nullptr) return PropertyStatus::wrongValueKind;
  SetWindowTextA(Window(), text->c_str());
  Redraw();
  return PropertyStatus::ok;
}

PropertyRead CaptionControl::Read(int number) const noexcept {
  if (number != prop::kCaption) return Control::Read(number);
  return {PropertyStatus::ok, Caption()};
}

std::string CaptionControl::Caption() const noexcept {
  std::string caption(static_cast<size_t>(GetWindowTextLengthA(Window())), '\0');
  caption.resize(static_cast<size_t>(GetWindowTextA(Window(), caption.data(), static_cast<int>(caption.size() + 1))));
  return caption;
}

void CaptionControl::Paint(HDC dc, const RECT& client) const noexcept {
  PaintBackground(dc, client);
  const std::string caption = Caption();
  ScopedSelection font(dc, form_.FontOf(desc_.font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ResolveColour(desc_.textColour, COLOR_BTNTEXT));
  RECT area = client;
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
            DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace rt
