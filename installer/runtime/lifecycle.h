#pragma once
// Start, the message loop, the end service and fatal run-time errors.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "runtime/form.h"

namespace rt {

// Runs the program's entry routine on the calling thread, which becomes the
// GUI thread, then ends the program normally with the entry's result: the
// end routine runs, the windows are destroyed, the process exits.
[[noreturn]] void RunProgramEntry(int32_t (*entry)()) noexcept;

// OLE in a single-threaded apartment on the GUI thread, the program's own
// folder as the current folder, the control classes. Precedes every other
// service; a failure is a fatal run-time error.
void InitialiseRuntime() noexcept;

// Holds one routine; a later registration replaces it. The end service runs
// it at most once; a fatal run-time error never does.
void RegisterEndRoutine(void (*routine)()) noexcept;

// Creates the window and its controls, raises its created event, then shows
// and activates it. A window that cannot be created is a fatal error.
void LoadWindow(const WindowDesc& window) noexcept;

// The system handle of a loaded window, or null.
[[nodiscard]] HWND WindowHandle(uint32_t windowId) noexcept;

// Dispatches messages and window events until no window of the program is
// left; the program's normal end follows when the entry routine returns.
void RunMessageLoop() noexcept;

// The end service. From another thread the request is carried out by the GUI
// thread and the caller never continues.
[[noreturn]] void EndProgram(int32_t exitCode) noexcept;

// Tells the user and ends the process with exit code -1, without the end routine.
[[noreturn]] void FatalRuntimeError(int32_t code, std::string_view message) noexcept;

// How a fatal error reaches the user: a message box unless replaced (tests
// replace it so that no box blocks a run). Gives the previous reporter.
using FatalErrorReporter = void (*)(int32_t code, const char* message) noexcept;
FatalErrorReporter ReplaceFatalErrorReporter(FatalErrorReporter reporter) noexcept;

// Error codes of the fatal errors the runtime raises itself.
namespace fatal {
inline constexpr int32_t kIndexOutOfRange = 9;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kWindowNotLoaded = 5;
inline constexpr int32_t kRuntimeNotReady = 3;
}  // namespace fatal

}  // namespace rt
