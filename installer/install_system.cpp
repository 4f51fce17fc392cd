#include "install_system.h"

#include <atomic>

#include "declared_size.h"
#include "free_space.h"
#include "main_window.h"
#include "runtime/lifecycle.h"
#include "runtime/services.h"
#include "zip_component.h"

namespace {

bool FileExists(const std::string& path) noexcept { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int UnzipWithMainWindowComponent(const std::string& archivePath, const std::string& targetFolder) noexcept {
  return zipc::Unzip(zipc::ComponentRef{ZIP压缩1.windowId, ZIP压缩1.controlId}, archivePath.c_str(),
                     targetFolder.c_str());
}

void EndProgram(int32_t exitCode) noexcept { rt::EndProgram(exitCode); }

int64_t DeclaredArchiveSize(const std::string& archivePath) noexcept {
  return zipc::DeclaredUncompressedTotal(archivePath.c_str());
}

int64_t FreeBytesForFolder(const std::string& folder) noexcept { return FreeBytesFor(folder); }

constexpr InstallSystem kProgramSystem{
    &rt::ShowMessageBox, &rt::GetSpecialFolder, &FileExists,   &rt::WriteFileBytes, &rt::DeleteFileAt,
    &rt::RunProgram,     &rt::CreateShortcut,   &rt::StartThread, &UnzipWithMainWindowComponent, &EndProgram,
    &DeclaredArchiveSize, &FreeBytesForFolder,
};

std::atomic<const InstallSystem*> g_activeSystem{&kProgramSystem};

}  // namespace

const InstallSystem& ActiveInstallSystem() noexcept { return *g_activeSystem.load(); }

const InstallSystem* ReplaceInstallSystem(const InstallSystem* table) noexcept {
  return g_activeSystem.exchange(table != nullptr ? table : &kProgramSystem);
}
