// extract ARCHIVE FOLDER: unpacks an archive with the ZIP component, as the
// installer does, printing "progress P" for each event and "result R" last.
// Exit code 0, 1 or 2 for the results 1, 0 and -1. Vendors check their
// archives with it and tests drive the component through it, so this output
// and these codes stay as they are.
#include <windows.h>

#include <cstdio>

#include "zip_component.h"

namespace {

constexpr uint32_t kWindowId = 1;
constexpr uint32_t kControlId = 1;

// The smallest form runtime: one component, every event printed, no handler
// answer (so the extraction never stops early).
class ConsoleHost final : public zipc::ComponentHost {
 public:
  zipc::ZIP压缩* component = nullptr;

  zipc::ZIP压缩* FindComponent(uint32_t windowId, uint32_t controlId) noexcept override {
    return component != nullptr && windowId == kWindowId && controlId == kControlId ? component : nullptr;
  }
  int RaiseEvent(zipc::EventRecord& record) noexcept override {
    std::printf("progress %d\n", static_cast<int>(record.arguments[0]));
    return 1;
  }
  void ComponentDestroyed(uint32_t, uint32_t) noexcept override { component = nullptr; }
};

int ExitCodeFor(int result) noexcept {
  switch (result) {
    case 1: return 0;
    case 0: return 1;
    default: return 2;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) std::fprintf(stderr, "usage: extract ARCHIVE FOLDER\n");
  ConsoleHost host;
  (void)zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, &host);
  // A message-only parent: the component's window is never shown.
  const HWND parent = CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  host.component = zipc::ZIP压缩::Create(parent, 0, 0, 0, 0, 0, kWindowId, kControlId);
  const int result = zipc::Unzip({kWindowId, kControlId}, argc > 1 ? argv[1] : nullptr, argc > 2 ? argv[2] : nullptr);
  std::printf("result %d\n", result);
  std::fflush(stdout);
  if (parent != nullptr) DestroyWindow(parent);
  (void)zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, nullptr);
  return ExitCodeFor(result);
}
