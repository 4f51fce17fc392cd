#pragma once
// Painting helpers: a scoped BeginPaint, and composing off screen so that a
// control reaches the screen in one copy, without flicker.
#include <windows.h>

#include "runtime/owners.h"

namespace rt {

class PaintScope {
 public:
  explicit PaintScope(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  [[nodiscard]] HDC Dc() const noexcept { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Answers WM_PAINT: paint(dc, client) draws into a memory DC of the client's
// size, which is then copied to the window.
template <class Painter>
void PaintOffScreen(HWND window, Painter&& paint) noexcept {
  PaintScope scope(window);
  RECT client{};
  GetClientRect(window, &client);
  UniqueMemoryDc memory(CreateCompatibleDC(scope.Dc()));
  UniqueBitmap surface(CreateCompatibleBitmap(scope.Dc(), client.right, client.bottom));
  ScopedSelection selected(memory.get(), surface.get());
  paint(memory.get(), client);
  BitBlt(scope.Dc(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace rt
