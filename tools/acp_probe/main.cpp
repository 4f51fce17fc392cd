// Prints the ANSI code page Wine gives this process; the test run checks it
// is 936 before anything depends on GBK texts.
#include <windows.h>
#include <cstdio>

int main() {
  std::printf("%u\n", GetACP());
  return GetACP() == 936 ? 0 : 1;
}
