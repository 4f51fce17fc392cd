#include "unzip_progress.h"

#include "install_paths.h"
#include "installer_globals.h"
#include "main_window.h"
#include "embedded.h"
#include "runtime/properties.h"
#include "runtime/services.h"

namespace {

constexpr const char* kShortcutMade = "3.创建快捷方式..成功";
constexpr const char* kShortcutNotMade = "3.创建快捷方式..失败";
constexpr const char* kStartQuestion = "安装完成！\r\n点<是>将启动软件\r\n点<否>不启动,可以在桌面启动软件";
constexpr const char* kStartQuestionTitle = "温馨提示：";
constexpr UINT kYesNoInformation = MB_YESNO | MB_ICONINFORMATION;  // 68
constexpr int kAnswerYes = 5;

int CreateDesktopShortcut(const InstallSystem& system) noexcept {
  const std::string link = ShortcutFilePath(system.getSpecialFolder(rt::kDesktopFolder), g_productName);
  if (link.empty()) return 0;
  return system.createShortcut(link, ProductExecutablePath(InstallFolder(), g_productName));
}

}  // namespace

std::string InstallFolder() noexcept { return rt::ReadTextProperty(标签_安装目录, rt::prop::kCaption); }

int32_t BarPosition(int32_t maximum, int32_t percent) noexcept {
  // Each step is rounded to double: the x87 unit would otherwise keep extra
  // bits, and 29 / 100.0 * 100 would come out as exactly 29.
  const volatile double share = static_cast<double>(maximum) / 100.0;
  const volatile double position = share * static_cast<double>(percent);
  return static_cast<int32_t>(position);
}

void OnUnzipProgress(int32_t percent) noexcept {
  const int32_t maximum = rt::ReadIntProperty(进度条1, rt::prop::kMaximum);
  (void)rt::WriteProperty(进度条1, rt::prop::kPosition, BarPosition(maximum, percent));
}

void CompleteInstallation(const InstallSystem& system, const std::string& archivePath) noexcept {
  const rt::PictureData done = BytesOf(InstallDonePicture);
  (void)rt::WriteProperty(图形按钮1, rt::prop::kNormalPicture, done);
  (void)rt::WriteProperty(图形按钮1, rt::prop::kHotPicture, done);

  const bool made = CreateDesktopShortcut(system) == 1;
  (void)rt::WriteProperty(标签_日志, rt::prop::kCaption, std::string(made ? kShortcutMade : kShortcutNotMade));

  if (system.showMessageBox(kStartQuestion, kYesNoInformation, kStartQuestionTitle) == kAnswerYes) {
    const std::string program = ProductExecutablePath(InstallFolder(), g_productName);
    (void)system.runProgram(QuotedCommandLine(program), false, SW_SHOWNORMAL);
  }
  (void)rt::WriteProperty(进度条1, rt::prop::kVisible, 0);
  // Unzip has closed the archive by now, so it goes at once.
  (void)system.deleteFile(archivePath);
  system.endProgram(0);
}
