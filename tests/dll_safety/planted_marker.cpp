// A DLL planted beside a program: when it is ever loaded it leaves a marker
// file next to itself, and refuses to load so the program goes on as before.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH] = {};
  std::string marker(path, GetModuleFileNameA(self, path, MAX_PATH));
  marker.erase(marker.find_last_of('\\') + 1);
  marker += "planted_dll_loaded.txt";
  CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  return FALSE;
}
