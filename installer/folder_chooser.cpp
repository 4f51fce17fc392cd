#include "folder_chooser.h"

#include "installer_globals.h"
#include "main_window.h"
#include "runtime/lifecycle.h"
#include "runtime/properties.h"
#include "runtime/text.h"

const FolderPickerCalls kShellFolderPicker{&SHGetFolderLocation, &SHBrowseForFolderA, &SHGetPathFromIDListA,
                                           &CoTaskMemFree};

namespace {

constexpr const char* kPickerTitle = "请选择安装位置";
// Only file-system folders, none below the domain, status text, an edit box
// that is validated, the resizable dialog.
constexpr UINT kPickerFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT | BIF_EDITBOX |
                              BIF_VALIDATE | BIF_NEWDIALOGSTYLE;  // 0x77
static_assert(kPickerFlags == 0x77);
constexpr std::size_t kPathBufferLength = MAX_PATH;  // 260 spaces and the zero byte

// A picked drive root ("D:\") loses its backslash so that joining adds one.
std::string FileSystemPath(PCIDLIST_ABSOLUTE list, const FolderPickerCalls& calls) noexcept {
  std::string buffer(kPathBufferLength, ' ');
  if (!calls.getPathFromIdList(list, buffer.data())) return {};
  buffer.resize(buffer.find('\0'));
  if (buffer.size() == 3) buffer.resize(2);
  return buffer;
}

std::string ChosenPath(PIDLIST_ABSOLUTE chosen, std::string_view displayName,
                       const FolderPickerCalls& calls) noexcept {
  const std::string name = rt::TrimSpaces(displayName);
  if (name.find('?') != std::string::npos) return {};
  if (chosen != nullptr) return FileSystemPath(chosen, calls);
  if (name.empty()) return {};
  return "\\\\" + name;
}

}  // namespace

std::string BrowseForFolder(HWND owner, std::string_view title, const FolderPickerCalls& calls) noexcept {
  PIDLIST_ABSOLUTE desktop = nullptr;
  (void)calls.getFolderLocation(owner, CSIDL_DESKTOP, nullptr, 0, &desktop);

  std::string displayName(kPathBufferLength, ' ');
  std::string titleText(title);
  BROWSEINFOA description{};
  description.hwndOwner = owner;
  description.pidlRoot = desktop;
  description.pszDisplayName = displayName.data();
  description.lpszTitle = titleText.c_str();
  description.ulFlags = kPickerFlags;
  PIDLIST_ABSOLUTE chosen = calls.browseForFolder(&description);

  std::string result = ChosenPath(chosen, displayName.c_str(), calls);
  calls.freeTaskMemory(chosen);
  calls.freeTaskMemory(desktop);
  return result;
}

void OnInstallDirLabelPressed(int32_t, int32_t, int32_t) noexcept {
  const std::string chosen = BrowseForFolder(rt::WindowHandle(kMainWindowId), kPickerTitle);
  if (chosen.empty()) return;
  // At() stops the program when the product number lies outside the list.
  std::string caption = chosen + "\\" + g_productNames.At(g_productNumber);
  (void)rt::WriteProperty(标签_安装目录, rt::prop::kCaption, caption);
}
