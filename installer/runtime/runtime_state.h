#pragma once
// The runtime's own state and the carrying of calls over to the GUI thread.
#include <windows.h>

#include <atomic>
#include <memory>
#include <vector>

#include "runtime/control.h"
#include "runtime/lifecycle.h"
#include "runtime/owners.h"

namespace rt {

class FormWindow;

struct RuntimeState {
  DWORD guiThreadId = 0;
  HINSTANCE instance = nullptr;
  bool oleInitialised = false;
  std::atomic<bool> ending{false};
  void (*endRoutine)() = nullptr;
  FatalErrorReporter fatalReporter = nullptr;
  UniqueWindow callWindow;  // message-only: takes the calls of other threads
  std::vector<std::unique_ptr<FormWindow>> forms;
  std::vector<const ComponentKindEntries*> componentKindsWithHost;
};
[[nodiscard]] RuntimeState& Runtime() noexcept;

[[nodiscard]] bool IsGuiThread() noexcept;
[[nodiscard]] FormWindow* FindForm(uint32_t windowId) noexcept;
[[nodiscard]] Control* FindControl(ControlRef control) noexcept;

// Runs the call on the GUI thread: at once there, else by SendMessage while
// the caller waits. False when the GUI thread no longer takes calls.
bool RunOnGuiThread(void (*run)(void* context) noexcept, void* context) noexcept;

template <class Call>
bool OnGuiThread(Call& call) noexcept {
  return RunOnGuiThread([](void* context) noexcept { (*static_cast<Call*>(context))(); }, &call);
}

// Creates the message-only window that carries calls and end requests over.
[[nodiscard]] bool CreateCallWindow() noexcept;
// Steps 2 to 4 of the end sequence, on the GUI thread.
[[noreturn]] void RunEndSequence(int32_t exitCode) noexcept;

// Registers a window class once per process.
[[nodiscard]] bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr) noexcept;

// The control behind a window of one of our classes: the create parameter is
// its Control base, stored on WM_NCCREATE and cleared on WM_NCDESTROY.
template <class Kind>
Kind* ObjectOfWindow(HWND window, UINT message, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* control = static_cast<Control*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    control->Attach(window);
    return static_cast<Kind*>(control);
  }
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return static_cast<Kind*>(control);
}

}  // namespace rt
