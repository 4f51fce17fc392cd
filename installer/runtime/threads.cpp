#include "runtime/owners.h"
#include "runtime/services.h"

namespace rt {

namespace {
DWORD WINAPI ThreadEntry(void* routine) noexcept {
  reinterpret_cast<void (*)()>(routine)();
  return 0;
}
}  // namespace

bool StartThread(void (*routine)()) noexcept {
  UniqueHandle thread(CreateThread(nullptr, 0, ThreadEntry, reinterpret_cast<void*>(routine), 0, nullptr));
  return static_cast<bool>(thread);
}

}  // namespace rt
