#include "runtime/runtime_state.h"

#include "runtime/control.h"
#include "runtime/form_window.h"

namespace rt {

namespace {
constexpr UINT kCarryOutCall = WM_APP + 1;
constexpr UINT kEndRequest = WM_APP + 2;
constexpr char kCallWindowClass[] = "RtCallWindow";

LRESULT CALLBACK CallWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  switch (message) {
    case kCarryOutCall:
      if (Runtime().ending) return 0;
      reinterpret_cast<void (*)(void*) noexcept>(wParam)(reinterpret_cast<void*>(lParam));
      return 1;
    case kEndRequest:
      if (Runtime().ending) return 0;
      RunEndSequence(static_cast<int32_t>(wParam));
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
}  // namespace

RuntimeState& Runtime() noexcept {
  static RuntimeState state;
  return state;
}

bool IsGuiThread() noexcept { return GetCurrentThreadId() == Runtime().guiThreadId; }

FormWindow* FindForm(uint32_t windowId) noexcept {
  for (auto& form : Runtime().forms) {
    if (form->FormId() == windowId) return form.get();
  }
  return nullptr;
}

Control* FindControl(ControlRef control) noexcept {
  FormWindow* form = FindForm(control.windowId);
  return form != nullptr ? form->Find(control.controlId) : nullptr;
}

bool RunOnGuiThread(void (*run)(void* context) noexcept, void* context) noexcept {
  if (IsGuiThread()) {
    run(context);
    return true;
  }
  RuntimeState& state = Runtime();
  if (state.ending || !state.callWindow) return false;
  return SendMessageA(state.callWindow.get(), kCarryOutCall, reinterpret_cast<WPARAM>(run),
                      reinterpret_cast<LPARAM>(context)) == 1;
}

bool CreateCallWindow() noexcept {
  RuntimeState& state = Runtime();
  if (!RegisterWindowClass(kCallWindowClass, CallWindowProcedure)) return false;
  state.callWindow.reset(CreateWindowExA(0, kCallWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         state.instance, nullptr));
  return static_cast<bool>(state.callWindow);
}

void EndProgram(int32_t exitCode) noexcept {
  RuntimeState& state = Runtime();
  if (!IsGuiThread()) {
    if (!state.ending && state.callWindow) {
      SendMessageA(state.callWindow.get(), kEndRequest, static_cast<WPARAM>(exitCode), 0);
    }
    // Only reached when the GUI thread could not take the request because it
    // is already ending: this thread ends the process itself.
    ExitProcess(static_cast<UINT>(exitCode));
  }
  RunEndSequence(exitCode);
}

void RunEndSequence(int32_t exitCode) noexcept {
  RuntimeState& state = Runtime();
  state.ending = true;
  // Cleared before the call, so that it runs at most once even when it ends the program itself.
  if (auto routine = std::exchange(state.endRoutine, nullptr)) routine();
  // The window objects stay: this very call may come from one of their window procedures.
  for (auto& form : state.forms) form->Destroy();
  state.callWindow.reset();
  if (std::exchange(state.oleInitialised, false)) OleUninitialize();
  ExitProcess(static_cast<UINT>(exitCode));
}

bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background) noexcept {
  WNDCLASSEXA windowClass{};
  if (GetClassInfoExA(Runtime().instance, name, &windowClass)) return true;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = Runtime().instance;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0;
}

}  // namespace rt
