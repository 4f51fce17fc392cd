// Prints the text of each static control of every visible top-level window
// whose title is TITLE, one a line, in the ANSI code page: what a message box
// tells the user.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string TextOf(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

BOOL CALLBACK PrintStatic(HWND child, LPARAM) {
  char kind[16] = {};
  if (GetClassNameA(child, kind, sizeof kind) > 0 && lstrcmpiA(kind, "Static") == 0) {
    const std::string text = TextOf(child);
    if (!text.empty()) std::printf("%s\n", text.c_str());
  }
  return TRUE;
}

BOOL CALLBACK PrintBox(HWND window, LPARAM title) {
  if (IsWindowVisible(window) && TextOf(window) == reinterpret_cast<const char*>(title)) {
    EnumChildWindows(window, &PrintStatic, 0);
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: box_text TITLE\n");
    return 2;
  }
  EnumWindows(&PrintBox, reinterpret_cast<LPARAM>(argv[1]));
  return 0;
}
