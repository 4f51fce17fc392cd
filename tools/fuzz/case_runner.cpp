#include "case_runner.h"

#include <csignal>

#include "unique_resource.h"
#include "zip_component.h"

namespace zipfuzz {
namespace {

constexpr DWORD kCrashedExit = 0xDEADC0DE;
constexpr DWORD kAbortCode = 0xAB0127ED;  // std::abort, as from std::terminate

struct Job {
  const std::string* archive;
  const std::string* target;
  int result;
};

// Written by the crashing worker before it ends, read after it has ended.
volatile DWORD g_workerThreadId = 0;
volatile DWORD g_exceptionCode = 0;

[[noreturn]] void EndCrashedWorker(DWORD code) noexcept {
  g_exceptionCode = code;
  ExitThread(kCrashedExit);
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* pointers) noexcept {
  if (GetCurrentThreadId() != g_workerThreadId) return EXCEPTION_CONTINUE_SEARCH;
  EndCrashedWorker(pointers->ExceptionRecord->ExceptionCode);
}

void OnAbort(int) noexcept {
  if (GetCurrentThreadId() == g_workerThreadId) EndCrashedWorker(kAbortCode);
}

DWORD WINAPI Worker(void* parameter) noexcept {
  auto* job = static_cast<Job*>(parameter);
  job->result = zipc::Unzip({0, 0}, job->archive->c_str(), job->target->c_str());
  return 0;
}

}  // namespace

void InstallCrashCatcher() noexcept {
  SetUnhandledExceptionFilter(OnUnhandledException);
  std::signal(SIGABRT, OnAbort);
}

CaseRun RunBounded(const std::string& archive, const std::string& target, DWORD boundMs) noexcept {
  // Outlives this call: a hung worker still writes its result here.
  static Job job;
  job = Job{&archive, &target, 0};
  g_exceptionCode = 0;
  DWORD threadId = 0;
  // Created suspended so that its id is known before it can crash.
  const zipc::UniqueHandle thread(CreateThread(nullptr, 0, Worker, &job, CREATE_SUSPENDED, &threadId));
  if (!thread) return CaseRun{CaseEnd::kCrashed, 0, GetLastError()};
  g_workerThreadId = threadId;
  ResumeThread(thread.get());
  if (WaitForSingleObject(thread.get(), boundMs) != WAIT_OBJECT_0) return CaseRun{CaseEnd::kHung, 0, 0};
  DWORD exitCode = 0;
  GetExitCodeThread(thread.get(), &exitCode);
  if (exitCode == kCrashedExit) return CaseRun{CaseEnd::kCrashed, 0, g_exceptionCode};
  return CaseRun{CaseEnd::kReturned, job.result, 0};
}

}  // namespace zipfuzz
