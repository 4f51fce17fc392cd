// BrowseForFolder over a picker that the test plays: what the user picked,
// the display name the shell wrote, and what the path lookup gives.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "folder_chooser.h"

namespace {

// The test's picker. Item lists are never dereferenced, only passed around.
PIDLIST_ABSOLUTE const kDesktopList = reinterpret_cast<PIDLIST_ABSOLUTE>(0x1000);
PIDLIST_ABSOLUTE const kChosenList = reinterpret_cast<PIDLIST_ABSOLUTE>(0x2000);

struct Picker {
  bool picks = false;              // false: the user cancels
  const char* displayName = nullptr;  // written by the picker unless null
  const char* path = nullptr;      // null: the lookup fails
  BROWSEINFOA seen{};
  std::string seenTitle;
  std::vector<LPVOID> freed;
};
Picker g_picker;

HRESULT WINAPI FakeGetFolderLocation(HWND, int folder, HANDLE, DWORD, PIDLIST_ABSOLUTE* list) {
  *list = folder == CSIDL_DESKTOP ? kDesktopList : nullptr;
  return S_OK;
}
PIDLIST_ABSOLUTE WINAPI FakeBrowseForFolder(LPBROWSEINFOA description) {
  g_picker.seen = *description;
  g_picker.seenTitle = description->lpszTitle;
  if (g_picker.displayName != nullptr) std::strcpy(description->pszDisplayName, g_picker.displayName);
  return g_picker.picks ? kChosenList : nullptr;
}
BOOL WINAPI FakeGetPathFromIdList(PCIDLIST_ABSOLUTE list, LPSTR buffer) {
  if (list != kChosenList || g_picker.path == nullptr) return FALSE;
  std::strcpy(buffer, g_picker.path);
  return TRUE;
}
void WINAPI FakeFreeTaskMemory(LPVOID memory) { g_picker.freed.push_back(memory); }

constexpr FolderPickerCalls kFakePicker{&FakeGetFolderLocation, &FakeBrowseForFolder, &FakeGetPathFromIdList,
                                        &FakeFreeTaskMemory};

HWND const kOwner = reinterpret_cast<HWND>(0x77);

TEST(BrowseForFolder, OpensAtTheDesktopWithTheFlagsAndTitleModalToTheOwner) {
  g_picker = {};
  EXPECT_EQ(BrowseForFolder(kOwner, "请选择安装位置", kFakePicker), "");
  EXPECT_EQ(g_picker.seen.hwndOwner, kOwner);
  EXPECT_EQ(g_picker.seen.pidlRoot, kDesktopList);
  EXPECT_EQ(g_picker.seen.ulFlags, 0x77u);
  EXPECT_EQ(g_picker.seen.lpfn, nullptr);
  EXPECT_EQ(g_picker.seenTitle, "请选择安装位置");
}

TEST(BrowseForFolder, ResultFollowsThePickAndTheNames) {
  struct Case {
    const char* what;
    bool picks;
    const char* displayName;
    const char* path;
    const char* expected;
  };
  const Case cases[] = {
      {"drive root loses its backslash", true, "本地磁盘 (D:)", "D:\\", "D:"},
      {"a folder is taken as it is", true, "Apps", "D:\\Apps", "D:\\Apps"},
      {"a folder with a Chinese name", true, "　软件　", "C:\\软件", "C:\\软件"},
      {"cancel leaves the name as filled", false, nullptr, nullptr, ""},
      {"a name with ? is refused", true, "Caf?", "D:\\Caf?", ""},
      {"a pick without a path", true, "Network", nullptr, ""},
      {"no list but a name gives a network path", false, "server", nullptr, "\\\\server"},
      {"no list and a blank name", false, " 　 ", nullptr, ""},
  };
  for (const Case& c : cases) {
    g_picker = {};
    g_picker.picks = c.picks;
    g_picker.displayName = c.displayName;
    g_picker.path = c.path;
    EXPECT_EQ(BrowseForFolder(kOwner, "t", kFakePicker), c.expected) << c.what;
    // The picked list is released whatever came of it, and so is the desktop's.
    const std::vector<LPVOID> expectedFreed{c.picks ? kChosenList : nullptr, kDesktopList};
    EXPECT_EQ(g_picker.freed, expectedFreed) << c.what;
  }
}

}  // namespace
