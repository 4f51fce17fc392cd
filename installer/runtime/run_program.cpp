#include "runtime/owners.h"
#include "runtime/services.h"

namespace rt {

bool RunProgram(const std::string& commandLine, bool wait, int showMode) noexcept {
  std::string line = commandLine;  // CreateProcessA may write into its command line
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showMode);
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  UniqueHandle process(started.hProcess);
  UniqueHandle thread(started.hThread);
  if (wait) {
    WaitForSingleObject(process.get(), INFINITE);
  } else {
    WaitForInputIdle(process.get(), 1000);
  }
  return true;
}

}  // namespace rt
