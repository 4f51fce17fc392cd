#include "runtime_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "runtime/lifecycle.h"
#include "zip/component_host.h"

namespace testform {

SeenEvent g_seen;
zipc::ComponentHost* g_componentHost = nullptr;
char g_fakeInstance;

namespace {
void Saw(int32_t control, int32_t x, int32_t y, int32_t keys) noexcept {
  g_seen.control = control;
  g_seen.arguments[0] = x;
  g_seen.arguments[1] = y;
  g_seen.arguments[2] = keys;
  ++g_seen.count;
}
void LabelPressed(int32_t x, int32_t y, int32_t keys) noexcept { Saw(1, x, y, keys); }
void ButtonClicked() noexcept { Saw(3, 0, 0, 0); }
void ComponentEvent(int32_t value) noexcept { Saw(7, value, 0, 0); }

int NotifyFake(int request, zipc::ComponentHost* host) noexcept {
  if (request == 1) g_componentHost = host;
  return 0;
}
zipc::ZIP压缩* CreateFake(HWND, int, int, int, int, DWORD, uint32_t, uint32_t) noexcept;
constexpr rt::ComponentKindEntries kFakeComponent{&NotifyFake, &CreateFake};

// A parent comes before its children.
const rt::ControlDesc kControls[] = {
    {.id = 6, .name = "panel", .kind = rt::ControlKind::pictureBox, .left = 0, .top = 60, .width = 120,
     .height = 40, .backColour = RGB(22, 131, 196), .border = true},
    {.id = 1, .name = "label", .kind = rt::ControlKind::label, .left = 5, .top = 5, .width = 100, .height = 20,
     .caption = "start"},
    {.id = 2, .name = "bar", .kind = rt::ControlKind::progressBar, .left = 5, .top = 30, .width = 100, .height = 8,
     .rangeMaximum = 100},
    {.id = 3, .name = "button", .kind = rt::ControlKind::pictureButton, .left = 5, .top = 40, .width = 40,
     .height = 20},
    {.id = 4, .name = "caption", .kind = rt::ControlKind::transparentLabel, .parentId = 6, .left = 2, .top = 2,
     .width = 60, .height = 20, .caption = "×"},
    {.id = 5, .name = "timer", .kind = rt::ControlKind::timer, .visible = false},
    {.id = 7, .name = "component", .kind = rt::ControlKind::component, .parentId = 6, .visible = false,
     .component = &kFakeComponent},
};
const rt::EventBinding kEvents[] = {
    {1, rt::kEventMousePressed, &LabelPressed},
    {3, rt::kEventClicked, &ButtonClicked},
    {7, 1, &ComponentEvent},
};
const rt::WindowDesc kForm{.id = kWindowId, .title = "runtime test form", .width = 200, .height = 120,
                           .controls = kControls, .events = kEvents};

zipc::ZIP压缩* CreateFake(HWND, int, int, int, int, DWORD, uint32_t, uint32_t) noexcept {
  return reinterpret_cast<zipc::ZIP压缩*>(&g_fakeInstance);
}

void ReportToStderr(int32_t code, const char* message) noexcept {
  std::fprintf(stderr, "fatal %d: %s\n", code, message);
}

class RuntimeEnvironment : public testing::Environment {
  void SetUp() override {
    rt::InitialiseRuntime();
    rt::ReplaceFatalErrorReporter(ReportToStderr);
  }
};
[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new RuntimeEnvironment);
}  // namespace

void LoadTestForm() noexcept {
  if (rt::WindowHandle(kWindowId) == nullptr) rt::LoadWindow(kForm);
}

namespace {
struct ClassSearch {
  const char* className;
  HWND found;
};
BOOL CALLBACK MatchClass(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<ClassSearch*>(context);
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, search->className) != 0) return TRUE;
  search->found = child;
  return FALSE;
}
}  // namespace

HWND ChildOfClass(const char* className) noexcept {
  ClassSearch search{className, nullptr};
  EnumChildWindows(rt::WindowHandle(kWindowId), MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Journal::Journal(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  path_ = std::string(folder) + "runtime_journal_" + name + ".txt";
}

void Journal::Clear() const { DeleteFileA(path_.c_str()); }

void Journal::Append(char mark) const noexcept {
  HANDLE file = CreateFileA(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, &mark, 1, &written, nullptr);
  CloseHandle(file);
}

std::string Journal::Read() const {
  std::ifstream in(path_, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace testform
