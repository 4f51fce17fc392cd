// The default product: a window that names the product and shows the folder it
// runs from. At start it leaves started.txt beside itself with its own path and
// its current folder, so that a run of the installer can be checked from outside.
#include <windows.h>

#include "runtime/owners.h"

#include <string>
#include <utility>

namespace {

struct Location {
  std::string path;    // the program's own full path
  std::string folder;  // the folder that holds it, without the last backslash
  std::string name;    // the file name without ".exe": the product's name
};

[[nodiscard]] Location OwnLocation() {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  Location location{std::string(buffer, length), {}, {}};
  // Scanned as ANSI text: a second byte of a double-byte character may look like a backslash.
  std::size_t lastSlash = std::string::npos;
  for (std::size_t i = 0; i < location.path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(location.path[i]))) {
      ++i;
    } else if (location.path[i] == '\\') {
      lastSlash = i;
    }
  }
  location.folder = location.path.substr(0, lastSlash == std::string::npos ? 0 : lastSlash);
  location.name = location.path.substr(lastSlash + 1);
  if (location.name.size() > 4 && lstrcmpiA(location.name.c_str() + location.name.size() - 4, ".exe") == 0) {
    location.name.resize(location.name.size() - 4);
  }
  return location;
}

[[nodiscard]] std::string CurrentFolder() {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
  return std::string(buffer, length < MAX_PATH ? length : 0);
}

[[nodiscard]] bool WriteStartMarker(const Location& location) {
  const std::string markerPath = location.folder + "\\started.txt";
  const rt::UniqueHandle marker(CreateFileA(markerPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
  const std::string text = location.path + "\r\n" + CurrentFolder() + "\r\n";
  DWORD written = 0;
  return marker && WriteFile(marker.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

class ProductWindow {
 public:
  explicit ProductWindow(Location location) noexcept
      : location_(std::move(location)),
        titleFont_(CreateFontA(-22, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                               PROOF_QUALITY, 0, nullptr)),
        textFont_(CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                              PROOF_QUALITY, 0, nullptr)) {}

  [[nodiscard]] bool Create(HINSTANCE instance) noexcept {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &ProductWindow::Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) return false;
    const HWND window = CreateWindowExA(0, kClassName, location_.name.c_str(), WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 480, 200, nullptr, nullptr,
                                        instance, this);
    if (window == nullptr) return false;
    ShowWindow(window, SW_SHOWNORMAL);
    return true;
  }

 private:
  static constexpr const char* kClassName = "LunetraProductWindow";

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ProductWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
      case WM_PAINT:
        if (self != nullptr) {
          self->Paint(window);
          return 0;
        }
        break;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  void Paint(HWND window) const noexcept {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    SetBkMode(dc, TRANSPARENT);
    RECT area;
    GetClientRect(window, &area);
    area.left += 24;
    area.top += 24;
    {
      const rt::ScopedSelection font(dc, titleFont_.get());
      SetTextColor(dc, RGB(22, 131, 196));
      DrawTextA(dc, location_.name.c_str(), -1, &area, DT_SINGLELINE | DT_NOPREFIX);
    }
    area.top += 48;
    const rt::ScopedSelection font(dc, textFont_.get());
    SetTextColor(dc, RGB(40, 40, 40));
    const std::string folderLine = "运行位置：" + location_.folder;
    DrawTextA(dc, folderLine.c_str(), -1, &area, DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    EndPaint(window, &paint);
  }

  Location location_;
  rt::UniqueFont titleFont_;
  rt::UniqueFont textFont_;
};

[[nodiscard]] int Run(HINSTANCE instance) {
  Location location = OwnLocation();
  // The marker is for checks from outside; the product runs without it.
  static_cast<void>(WriteStartMarker(location));
  ProductWindow window(std::move(location));
  if (!window.Create(instance)) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    return Run(instance);
  } catch (...) {  // out of memory: nothing to show, only an exit code
    return 1;
  }
}
