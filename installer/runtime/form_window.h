#pragma once
// A loaded window: the top-level window of a form description with its
// controls, the fonts they share, and the event table.
#include <windows.h>

#include <map>
#include <memory>
#include <span>
#include <vector>

#include "runtime/control.h"
#include "runtime/form.h"
#include "runtime/owners.h"

namespace rt {

class FormWindow final : public Control {
 public:
  explicit FormWindow(const WindowDesc& desc) noexcept;

  [[nodiscard]] uint32_t FormId() const noexcept { return desc_.id; }
  // Builds the window and its controls hidden, raises the created event,
  // then shows and activates the window.
  [[nodiscard]] bool Load() noexcept;
  void Destroy() noexcept { owned_.reset(); }

  // The window itself for control 0.
  [[nodiscard]] Control* Find(uint32_t controlId) noexcept;
  // Calls the handler bound to the event on the calling thread; false when none is bound.
  bool Raise(uint32_t controlId, int32_t eventNumber, std::span<const int32_t> arguments) noexcept;
  // Null for the system's default GUI font.
  [[nodiscard]] HFONT FontOf(const FontDesc* font) noexcept;
  [[nodiscard]] HWND TopWindow() const noexcept { return Window(); }

  bool Create(HWND) noexcept override { return true; }
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

 private:
  [[nodiscard]] bool CreateControls() noexcept;
  void PaintBackground(HDC dc) const noexcept;

  const WindowDesc& desc_;
  UniqueWindow owned_;
  UniqueBrush background_;
  UniqueIcon largeIcon_, smallIcon_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<const FontDesc*, UniqueFont> fonts_;
};

// The colour, with the system's choice for kSystemColour.
[[nodiscard]] COLORREF ResolveColour(COLORREF colour, int systemColourIndex) noexcept;

// The control of the kind the description names.
[[nodiscard]] std::unique_ptr<Control> MakeControl(FormWindow& form, const ControlDesc& desc) noexcept;

}  // namespace rt
