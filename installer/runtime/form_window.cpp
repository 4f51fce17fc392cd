#include "runtime/form_window.h"

#include <variant>

#include "runtime/runtime_state.h"

namespace rt {

namespace {
constexpr char kFormClass[] = "RtFormWindow";

UniqueIcon LoadProgramIcon(const char* name, int sizeMetric) noexcept {
  if (name == nullptr) return {};
  const int size = GetSystemMetrics(sizeMetric);
  return UniqueIcon(static_cast<HICON>(LoadImageA(Runtime().instance, name, IMAGE_ICON, size, size, 0)));
}
}  // namespace

COLORREF ResolveColour(COLORREF colour, int systemColourIndex) noexcept {
  return colour == kSystemColour ? GetSysColor(systemColourIndex) : colour;
}

FormWindow::FormWindow(const WindowDesc& desc) noexcept : Control(*this, kWindowItself, kPointerArrow), desc_(desc) {}

bool FormWindow::Load() noexcept {
  if (!RegisterWindowClass(kFormClass, Procedure)) return false;
  background_.reset(CreateSolidBrush(ResolveColour(desc_.backColour, COLOR_BTNFACE)));
  // Centred on the screen; no frame, no caption bar, its own taskbar button.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - desc_.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - desc_.height) / 2;
  owned_.reset(CreateWindowExA(WS_EX_APPWINDOW, kFormClass, desc_.title, WS_POPUP | WS_CLIPCHILDREN, left, top,
                               desc_.width, desc_.height, nullptr, nullptr, Runtime().instance,
                               static_cast<Control*>(this)));
  if (!owned_ || !CreateControls()) return false;
  largeIcon_ = LoadProgramIcon(desc_.iconResource, SM_CXICON);
  smallIcon_ = LoadProgramIcon(desc_.iconResource, SM_CXSMICON);
  SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
  SendMessageA(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  Raise(kWindowItself, kEventCreated, {});
  ShowWindow(Window(), SW_SHOW);
  SetForegroundWindow(Window());
  UpdateWindow(Window());
  return true;
}

bool FormWindow::CreateControls() noexcept {
  for (const ControlDesc& desc : desc_.controls) {
    Control* parent = Find(desc.parentId);
    if (parent == nullptr || parent->Window() == nullptr || Find(desc.id) != nullptr) return false;
    std::unique_ptr<Control> control = MakeControl(*this, desc);
    if (!control || !control->Create(parent->Window())) return false;
    // Each later control goes beneath the earlier ones: the first listed lies on top.
    if (control->Window() != nullptr) {
      SetWindowPos(control->Window(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    controls_.push_back(std::move(control));
  }
  return true;
}

Control* FormWindow::Find(uint32_t controlId) noexcept {
  if (controlId == kWindowItself) return this;
  for (auto& control : controls_) {
    if (control->Id() == controlId) return control.get();
  }
  return nullptr;
}

bool FormWindow::Raise(uint32_t controlId, int32_t eventNumber, std::span<const int32_t> arguments) noexcept {
  auto argument = [&](size_t i) noexcept { return i < arguments.size() ? arguments[i] : 0; };
  for (const EventBinding& binding : desc_.events) {
    if (binding.controlId != controlId || binding.eventNumber != eventNumber) continue;
    std::visit(
        [&](auto handler) noexcept {
          using Handler = decltype(handler);
          if constexpr (std::is_same_v<Handler, void (*)()>) {
            handler();
          } else if constexpr (std::is_same_v<Handler, void (*)(int32_t)>) {
            handler(argument(0));
          } else {
            handler(argument(0), argument(1), argument(2));
          }
        },
        binding.handler);
    return true;
  }
  return false;
}

HFONT FormWindow::FontOf(const FontDesc* font) noexcept {
  if (font == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  UniqueFont& made = fonts_[font];
  if (!made) {
    // A stored height is the character height: negative for CreateFont.
    made.reset(CreateFontA(-font->height, font->width, 0, 0, font->weight, font->italic, font->underline,
                           font->strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                           DEFAULT_PITCH, ""));
  }
  return made.get();
}

void FormWindow::PaintBackground(HDC dc) const noexcept {
  RECT client{};
  GetClientRect(Window(), &client);
  FillRect(dc, &client, background_.get());
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  FormWindow* self = ObjectOfWindow<FormWindow>(window, message, lParam);
  if (self != nullptr) {
    LRESULT result = 0;
    if (self->HandleCommonMessage(message, wParam, lParam, result)) return result;
    switch (message) {
      case WM_ERASEBKGND:
      case WM_PRINTCLIENT:
        self->PaintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
      case WM_TIMER:
        self->Raise(static_cast<uint32_t>(wParam), kEventTimer, {});
        return 0;
      case WM_DESTROY:
        // The last window of the program ends the message loop.
        (void)self->owned_.release();  // the system is destroying it already
        for (auto& form : Runtime().forms) {
          if (form->Window() != nullptr && form->Window() != window) return 0;
        }
        PostQuitMessage(0);
        return 0;
      case WM_NCDESTROY:
        self->Attach(nullptr);
        break;
      default:
        break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace rt
