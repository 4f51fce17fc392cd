#include <windows.h>

#include "dll_safety.h"
#include "installer_globals.h"
#include "runtime/lifecycle.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RestrictDllSearchToSystemFolder();
  rt::RunProgramEntry(&StartInstaller);
}
