// Prints each path's Windows attributes in hex ("20 path"), or "missing path".
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const DWORD attributes = GetFileAttributesA(argv[i]);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      std::printf("missing %s\n", argv[i]);
    } else {
      std::printf("%lx %s\n", static_cast<unsigned long>(attributes), argv[i]);
    }
  }
  return 0;
}
