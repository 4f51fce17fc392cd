#pragma once
// A small form for the runtime's tests, loaded once per test process, and a
// journal file through which a test's child process reports what ran.
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/form.h"

namespace zipc {
class ComponentHost;
}
namespace testform {

inline constexpr uint32_t kWindowId = 7;
inline constexpr rt::ControlRef kWindow{kWindowId, rt::kWindowItself};
inline constexpr rt::ControlRef kLabel{kWindowId, 1};
inline constexpr rt::ControlRef kBar{kWindowId, 2};
inline constexpr rt::ControlRef kButton{kWindowId, 3};
inline constexpr rt::ControlRef kCaption{kWindowId, 4};
inline constexpr rt::ControlRef kTimer{kWindowId, 5};
inline constexpr rt::ControlRef kPanel{kWindowId, 6};
inline constexpr rt::ControlRef kComponent{kWindowId, 7};

// The last event the form's handlers saw.
struct SeenEvent {
  int32_t control = 0;
  int32_t arguments[3] = {};
  int count = 0;
};
extern SeenEvent g_seen;
// What the fake component kind got: the runtime's host, and the instance it made.
extern zipc::ComponentHost* g_componentHost;
extern char g_fakeInstance;

// Loads the form unless it is loaded.
void LoadTestForm() noexcept;
// A child window of the form by its class name (the first one).
[[nodiscard]] HWND ChildOfClass(const char* className) noexcept;

// Append-only record in the temporary folder, named by the test.
class Journal {
 public:
  explicit Journal(const char* name);
  void Clear() const;
  void Append(char mark) const noexcept;
  [[nodiscard]] std::string Read() const;

 private:
  std::string path_;
};

}  // namespace testform
