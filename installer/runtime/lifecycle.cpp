#include "runtime/lifecycle.h"

#include <commctrl.h>

#include <new>
#include <string>
#include <tuple>

#include "runtime/form_window.h"
#include "runtime/runtime_state.h"
#include "runtime/services.h"
#include "runtime/text.h"

namespace rt {

namespace {
void ShowFatalErrorBox(int32_t code, const char* message) noexcept {
  const std::string text = "运行时错误 " + std::to_string(code) + "：" + message;
  std::ignore = ShowMessageBox(text, MB_OK | MB_ICONERROR);
}

[[noreturn]] void OutOfMemory() noexcept { FatalRuntimeError(fatal::kOutOfMemory, "内存不足"); }

// The product started later inherits the current folder: the program's own.
bool EnterProgramFolder() noexcept {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  // No path helper of the shell: its library would be looked up beside the program at load time.
  return length > 0 && length < MAX_PATH && SetCurrentDirectoryA(FolderOfPath(path).c_str());
}
}  // namespace

void RunProgramEntry(int32_t (*entry)()) noexcept {
  Runtime().guiThreadId = GetCurrentThreadId();
  EndProgram(entry());
}

void InitialiseRuntime() noexcept {
  RuntimeState& state = Runtime();
  state.guiThreadId = GetCurrentThreadId();
  state.instance = GetModuleHandleA(nullptr);
  std::set_new_handler(OutOfMemory);
  state.oleInitialised = SUCCEEDED(OleInitialize(nullptr));
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
  if (!state.oleInitialised || !EnterProgramFolder() || !InitCommonControlsEx(&controls) || !CreateCallWindow()) {
    FatalRuntimeError(fatal::kRuntimeNotReady, "运行环境初始化失败");
  }
}

void RegisterEndRoutine(void (*routine)()) noexcept { Runtime().endRoutine = routine; }

void LoadWindow(const WindowDesc& window) noexcept {
  RuntimeState& state = Runtime();
  if (FindForm(window.id) == nullptr) {
    state.forms.push_back(std::make_unique<FormWindow>(window));
    if (state.forms.back()->Load()) return;
  }
  FatalRuntimeError(fatal::kWindowNotLoaded, "窗口载入失败");
}

HWND WindowHandle(uint32_t windowId) noexcept {
  FormWindow* form = FindForm(windowId);
  return form != nullptr ? form->TopWindow() : nullptr;
}

void RunMessageLoop() noexcept {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void FatalRuntimeError(int32_t code, std::string_view message) noexcept {
  RuntimeState& state = Runtime();
  state.endRoutine = nullptr;
  state.ending = true;
  const FatalErrorReporter report = state.fatalReporter != nullptr ? state.fatalReporter : ShowFatalErrorBox;
  report(code, std::string(message).c_str());
  ExitProcess(static_cast<UINT>(-1));
}

FatalErrorReporter ReplaceFatalErrorReporter(FatalErrorReporter reporter) noexcept {
  return std::exchange(Runtime().fatalReporter, reporter);
}

}  // namespace rt
