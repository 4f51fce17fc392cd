#include "install_worker.h"

#include <objbase.h>

#include <atomic>
#include <string>
#include <string_view>

#include "embedded.h"
#include "free_space.h"
#include "install_paths.h"
#include "install_system.h"
#include "main_window.h"
#include "runtime/properties.h"
#include "runtime/services.h"
#include "unzip_progress.h"

namespace {

constexpr const char* kWarning =
    "由于系列正版软件都作了加壳加密处理\r\n如果部分杀毒软件提示警告，请允许即可！\r\n\r\n"
    "软件干净无毒无木马~~支持正版 谢谢大家\r\n"
    "软件安装好后，建议把安装的软件目录加入杀毒软件信任，再运行软件，以免影响部分功能使用。\r\n"
    "可以阅读软件安装说明";
constexpr const char* kStepWriting = "1.释放压缩包..";
constexpr const char* kStepUnpacking = "2.开始解压..";
constexpr const char* kStepUnpackFailed = "2.解压..失败";
constexpr const char* kWriteFailed =
    "写入失败！Windows7请以管理员身份运行，建议关闭杀毒，再重试\r\n《确定》后将关闭本安装程序";
constexpr const char* kInstallFailed =
    "安装失败！解压文件时出错，软件没有装好。\r\n"
    "请换一个安装目录，确认磁盘有足够的剩余空间，"
    "并关闭正在使用安装目录中文件的程序，然后再点“安装”重试。";
constexpr UINT kPlainBox = 0;  // OK button, no icon, the title "信息："

// Set from the click that starts a worker until that worker is done.
std::atomic<bool> g_workerRunning{false};

void ShowStep(const char* text) noexcept { (void)rt::WriteProperty(标签_日志, rt::prop::kCaption, std::string(text)); }

// Writes the payload whole. A file that this write created but could not fill
// goes again; a file that was there before is not this run's to remove.
[[nodiscard]] bool WriteTemporaryArchive(const InstallSystem& system, const std::string& path) noexcept {
  const bool existed = system.fileExists(path);
  if (system.writeFile(path, BytesOf(InstallPayload))) return true;
  if (!existed && system.fileExists(path)) (void)system.deleteFile(path);
  return false;
}

void ReportFailedInstallation(const InstallSystem& system, const std::string& archivePath,
                              std::string_view message) noexcept {
  (void)system.deleteFile(archivePath);
  (void)rt::WriteProperty(进度条1, rt::prop::kVisible, 0);
  ShowStep(kStepUnpackFailed);
  (void)system.showMessageBox(message, kPlainBox, nullptr);
}

// Empty when the archive's declared content fits on the install folder's
// drive (or either figure is unknown); else what the user is told. Measured
// after the archive is written, since it may sit on that drive too.
std::string SpaceShortage(const InstallSystem& system, const std::string& archivePath) noexcept {
  try {
    return SpaceShortageText(system.declaredArchiveSize(archivePath), system.freeBytesFor(InstallFolder()));
  } catch (...) {
    return {};  // no memory for the text: the extraction decides
  }
}

void RunInstallation(const InstallSystem& system) noexcept {
  ShowStep(kStepWriting);
  std::string archive = PrimaryArchivePath(system.getSpecialFolder(rt::kTemporaryFolder));
  if (!WriteTemporaryArchive(system, archive)) {
    archive = FallbackArchivePath(InstallFolder());
    if (!WriteTemporaryArchive(system, archive)) {
      (void)system.showMessageBox(kWriteFailed, kPlainBox, nullptr);
      system.endProgram(0);
      return;
    }
  }
  if (const std::string shortage = SpaceShortage(system, archive); !shortage.empty()) {
    ReportFailedInstallation(system, archive, shortage);
    return;
  }
  (void)rt::WriteProperty(进度条1, rt::prop::kVisible, 1);
  ShowStep(kStepUnpacking);
  // Unzip closes the archive before it returns; only then is its result known.
  if (system.unzip(archive, InstallFolder()) == 1) {
    CompleteInstallation(system, archive);
  } else {
    ReportFailedInstallation(system, archive, kInstallFailed);
  }
}

}  // namespace

void OnInstallButtonClicked() noexcept {
  if (g_workerRunning.exchange(true)) return;
  const InstallSystem& system = ActiveInstallSystem();
  (void)system.showMessageBox(kWarning, kPlainBox, nullptr);
  if (!system.startThread(&InstallWorker)) g_workerRunning = false;
}

void InstallWorker() noexcept {
  // The shortcut's shell-link object needs COM on this thread.
  (void)CoInitialize(nullptr);
  RunInstallation(ActiveInstallSystem());
  CoUninitialize();
  g_workerRunning = false;
}
