#pragma once
// Runs Unzip on a worker thread with a time bound, catching a crash of that
// thread instead of losing the whole run to it.
#include <windows.h>

#include <string>

namespace zipfuzz {

enum class CaseEnd { kReturned, kCrashed, kHung };

struct CaseRun {
  CaseEnd end = CaseEnd::kReturned;
  int result = 0;          // Unzip's result when it returned
  DWORD exceptionCode = 0; // what ended a crashed worker
};

// Once per process: a crash of a case's worker is recorded and ends only
// that thread.
void InstallCrashCatcher() noexcept;

// Unzip (archive, target) without a form runtime. After a crash or a hang
// the process must not run further cases: the worker may hold the archive
// open or a lock of the C runtime.
[[nodiscard]] CaseRun RunBounded(const std::string& archive, const std::string& target, DWORD boundMs) noexcept;

}  // namespace zipfuzz
