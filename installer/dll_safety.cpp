#include "dll_safety.h"

#include <windows.h>

void RestrictDllSearchToSystemFolder() noexcept {
  // Looked up at run time: systems without the call still start the program.
  using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return;
  auto restrict = reinterpret_cast<SetDefaultDllDirectoriesCall>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (restrict != nullptr) restrict(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
