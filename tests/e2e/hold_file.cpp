// Holds a file open without sharing, as a running program holds its own
// executable, until a release file appears (or a minute has passed).
// Prints "held" once the file is open; exit 1 when it cannot be opened.
#include <windows.h>

#include <cstdio>

#include "runtime/owners.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: hold_file FILE RELEASE-FILE\n");
    return 2;
  }
  rt::UniqueHandle file(CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 1;
  std::printf("held\n");
  std::fflush(stdout);
  for (int waited = 0; waited < 600 && GetFileAttributesA(argv[2]) == INVALID_FILE_ATTRIBUTES; ++waited) Sleep(100);
  return 0;
}
