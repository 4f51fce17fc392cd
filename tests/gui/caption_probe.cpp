// Prints the text of the window at a screen point, as the bytes the window
// holds (ANSI code page): the GUI checks read a label's caption with it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: caption_probe X Y\n");
    return 2;
  }
  const POINT point{std::atoi(argv[1]), std::atoi(argv[2])};
  HWND window = WindowFromPoint(point);
  if (window == nullptr) return 1;
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
