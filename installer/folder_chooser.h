#pragma once
// The install-location chooser: a press on 标签_安装目录 opens the system's
// folder picker and puts the picked folder and the product name in the label.
#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <string>
#include <string_view>

// The shell and COM calls the picker makes; tests give their own.
struct FolderPickerCalls {
  HRESULT(WINAPI* getFolderLocation)(HWND, int, HANDLE, DWORD, PIDLIST_ABSOLUTE*);
  PIDLIST_ABSOLUTE(WINAPI* browseForFolder)(LPBROWSEINFOA);
  BOOL(WINAPI* getPathFromIdList)(PCIDLIST_ABSOLUTE, LPSTR);
  void(WINAPI* freeTaskMemory)(LPVOID);
};
extern const FolderPickerCalls kShellFolderPicker;

// The picked folder ("D:" for the root of D:), or an empty text when the user
// cancelled, the choice has no file-system path, or its display name holds a
// "?" (a character the ANSI code page cannot show).
[[nodiscard]] std::string BrowseForFolder(HWND owner, std::string_view title,
                                          const FolderPickerCalls& calls = kShellFolderPicker) noexcept;

// 标签_安装目录's left-button-pressed event; the arguments are not used.
void OnInstallDirLabelPressed(int32_t x, int32_t y, int32_t keys) noexcept;
