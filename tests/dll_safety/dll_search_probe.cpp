// Loads a DLL by name, as system code does for its late-loaded helpers:
// with "restrict" first, through the installer's own start-up restriction.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "dll_safety.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: dll_search_probe NAME [restrict]\n");
    return 2;
  }
  if (argc > 2 && std::strcmp(argv[2], "restrict") == 0) RestrictDllSearchToSystemFolder();
  HMODULE module = LoadLibraryA(argv[1]);
  if (module != nullptr) FreeLibrary(module);
  return 0;
}
