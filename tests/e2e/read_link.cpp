// Reads a shell link back through IShellLinkA as the shell does and prints
// what it points to: "target <path>", "folder <working folder>", "show <n>".
// Exit 0 when the link loaded, 1 otherwise.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "runtime/owners.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: read_link LINK\n");
    return 2;
  }
  if (FAILED(CoInitialize(nullptr))) return 1;
  int status = 1;
  {
    rt::ComPtr<IShellLinkA> link;
    rt::ComPtr<IPersistFile> file;
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, wide, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.Out())) && SUCCEEDED(file->Load(wide, STGM_READ))) {
      char target[MAX_PATH] = {};
      char folder[MAX_PATH] = {};
      int show = 0;
      (void)link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
      (void)link->GetWorkingDirectory(folder, MAX_PATH);
      (void)link->GetShowCmd(&show);
      std::printf("target %s\nfolder %s\nshow %d\n", target, folder, show);
      status = 0;
    }
  }
  CoUninitialize();
  return status;
}
