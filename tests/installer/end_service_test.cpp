// The end service and the fatal error, each case in a child process of its
// own: the end routine runs exactly once however the program ends normally,
// a worker that asks for the end never continues, a fatal error skips it.
#include <gtest/gtest.h>

#include <windows.h>

#include "runtime/lifecycle.h"
#include "runtime/services.h"
#include "runtime_fixture.h"

namespace {
using testform::Journal;

// The journal of the case under way, in the parent and in its child alike.
const char* g_case = "";
void Mark(char mark) { Journal(g_case).Append(mark); }

void MarkEnd() { Mark('E'); }
void MarkOther() { Mark('O'); }
void EndAgain() {
  Mark('E');
  rt::EndProgram(0);
}
DWORD WINAPI WorkerEnds(void*) {
  rt::EndProgram(6);
  Mark('X');  // never reached
  return 0;
}
void StartWorkerAndWait() {
  Mark('E');
  // The GUI thread is ending and takes no request: the worker ends the process itself.
  HANDLE worker = CreateThread(nullptr, 0, WorkerEnds, nullptr, 0, nullptr);
  WaitForSingleObject(worker, 10000);
  Mark('T');  // reached only if the worker hung
}

void EndWithThree() { rt::EndProgram(3); }
void RegisterOtherThenEndWithZero() {
  rt::RegisterEndRoutine(&MarkOther);
  rt::RegisterEndRoutine(&MarkEnd);
  rt::EndProgram(0);
}
void EndFromAWorker() {
  std::ignore = rt::StartThread([] {
    rt::EndProgram(4);
    Mark('X');  // never reached
  });
  rt::RunMessageLoop();
}
void FailFatally() { rt::FatalRuntimeError(13, "test"); }
int32_t EntryWhoseWindowIsClosed() {
  testform::LoadTestForm();
  PostMessageA(rt::WindowHandle(testform::kWindowId), WM_CLOSE, 0, 0);
  rt::RunMessageLoop();
  Mark('L');
  return 0;
}
void RunEntryUntilTheLastWindowCloses() { rt::RunProgramEntry(&EntryWhoseWindowIsClosed); }

struct EndCase {
  const char* name;
  void (*routine)();
  void (*act)();
  int exitCode;
  const char* journal;
};

TEST(EndServiceDeathTest, EndRoutineRunsOnceAndNeverAfterAFatalError) {
  const EndCase cases[] = {
      {"gui_thread", MarkEnd, EndWithThree, 3, "E"},
      {"registered_twice", MarkEnd, RegisterOtherThenEndWithZero, 0, "E"},
      {"end_inside_end_routine", EndAgain, EndWithThree, 0, "E"},
      {"from_worker", MarkEnd, EndFromAWorker, 4, "E"},
      {"worker_while_gui_ends", StartWorkerAndWait, EndWithThree, 6, "E"},
      {"last_window_closed", MarkEnd, RunEntryUntilTheLastWindowCloses, 0, "LE"},
      {"fatal_error", MarkEnd, FailFatally, -1, ""},
  };
  for (const EndCase& c : cases) {
    g_case = c.name;
    Journal(c.name).Clear();
    EXPECT_EXIT(
        {
          rt::RegisterEndRoutine(c.routine);
          c.act();
        },
        testing::ExitedWithCode(c.exitCode), "")
        << c.name;
    EXPECT_EQ(Journal(c.name).Read(), c.journal) << c.name;
  }
}

}  // namespace
