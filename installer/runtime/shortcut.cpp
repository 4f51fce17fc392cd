#include <shlobj.h>

#include <vector>

#include "runtime/owners.h"
#include "runtime/services.h"

namespace rt {

int CreateShortcut(const std::string& linkPath, const std::string& targetPath) noexcept {
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out()))) return 0;
  link->SetPath(targetPath.c_str());
  link->SetShowCmd(SW_SHOW);
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) return 0;
  const std::string name = linkPath.find('.') == std::string::npos ? linkPath + ".lnk" : linkPath;
  const int length = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
  if (length <= 0) return 0;
  std::vector<wchar_t> wide(static_cast<size_t>(length));
  MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide.data(), length);
  return SUCCEEDED(file->Save(wide.data(), TRUE)) ? 1 : 0;
}

}  // namespace rt
