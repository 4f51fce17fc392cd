// The form of the main window 窗口: a borderless 250 x 400 skin. Within one
// parent a control listed earlier lies above one listed later.
#include "main_window.h"

#include "embedded.h"
#include "folder_chooser.h"
#include "handlers.h"
#include "install_worker.h"
#include "unzip_progress.h"
#include "zip/zip_component.h"

namespace {
using rt::ControlDesc;
using rt::ControlKind;
using rt::DisplayMode;

constexpr COLORREF kPanelBlue = RGB(22, 131, 196);
constexpr COLORREF kLightBlue = RGB(117, 184, 238);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

constexpr rt::FontDesc kFolderFont{.height = 12, .weight = FW_NORMAL, .underline = true};
constexpr rt::FontDesc kCaptionFont{.height = 12, .weight = FW_BOLD};

constexpr rt::ComponentKindEntries kZipComponent{&zipc::ZIP压缩::Notify, &zipc::ZIP压缩::Create};

ControlDesc Timer(rt::ControlRef ref, const char* name) noexcept {
  return {.id = ref.controlId, .name = name, .kind = ControlKind::timer, .visible = false, .interval = 0};
}

ControlDesc Panel(rt::ControlRef ref, const char* name, COLORREF back, DisplayMode mode) noexcept {
  return {.id = ref.controlId, .name = name, .kind = ControlKind::pictureBox, .width = 600, .height = 400,
          .backColour = back, .border = true, .displayMode = mode};
}

ControlDesc Label(rt::ControlRef ref, const char* name, int left, int top, int width, int height,
                  const char* caption) noexcept {
  return {.id = ref.controlId, .name = name, .kind = ControlKind::label, .parentId = 图片框1_背景.controlId,
          .left = left, .top = top, .width = width, .height = height, .caption = caption, .textColour = kWhite,
          .backColour = kPanelBlue};
}

ControlDesc TransparentLabel(rt::ControlRef ref, const char* name, rt::ControlRef parent, int left, int top,
                             int width, const char* caption) noexcept {
  return {.id = ref.controlId, .name = name, .kind = ControlKind::transparentLabel, .parentId = parent.controlId,
          .left = left, .top = top, .width = width, .height = 24, .caption = caption, .textColour = kWhite};
}

const ControlDesc* Controls() noexcept {
  static const ControlDesc controls[] = {
      {.id = 图片框1.controlId, .name = "图片框1", .kind = ControlKind::pictureBox, .left = 8, .top = 8, .width = 24,
       .height = 24, .visible = false, .displayMode = DisplayMode::stretched, .picture = BytesOf(ArtBrandIcon)},
      Timer(时钟4, "时钟4"),
      Timer(时钟3, "时钟3"),
      Timer(时钟2, "时钟2"),
      Timer(时钟1, "时钟1"),
      {.id = 图片框1_背景.controlId, .name = "图片框1_背景", .kind = ControlKind::pictureBox, .width = 250,
       .height = 400, .backColour = kPanelBlue, .border = true, .displayMode = DisplayMode::centred},
      Panel(图片框2_背景, "图片框2_背景", kLightBlue, DisplayMode::topLeft),
      Panel(图片框3_背景, "图片框3_背景", kLightBlue, DisplayMode::topLeft),
      Label(标签_日志, "标签_日志", 79, 344, 160, 24, ""),
      {.id = 透明标签4.controlId, .name = "透明标签4", .kind = ControlKind::transparentLabel,
       .parentId = 图片框1_背景.controlId, .left = 230, .top = 14, .width = 12, .height = 12, .caption = "×",
       .textColour = kWhite, .pointer = rt::kPointerHand},
      {.id = 进度条1.controlId, .name = "进度条1", .kind = ControlKind::progressBar,
       .parentId = 图片框1_背景.controlId, .left = 21, .top = 327, .width = 205, .height = 8, .visible = false,
       .rangeMaximum = 100},
      {.id = 图形按钮1.controlId, .name = "图形按钮1", .kind = ControlKind::pictureButton,
       .parentId = 图片框1_背景.controlId, .left = 14, .top = 255, .width = 220, .height = 80,
       .picture = BytesOf(ArtInstallNormal), .hotPicture = BytesOf(ArtInstallHot)},
      Label(标签1, "标签1", 7, 344, 56, 24, "安装目录："),
      {.id = 透明标签1.controlId, .name = "透明标签1", .kind = ControlKind::transparentLabel,
       .parentId = 图片框1_背景.controlId, .left = 7, .top = 8, .width = 68, .height = 24, .caption = "安装程序",
       .textColour = kYellow, .font = &kCaptionFont},
      {.id = 图片框_Logo.controlId, .name = "图片框_Logo", .kind = ControlKind::pictureBox,
       .parentId = 图片框1_背景.controlId, .left = 12, .top = 36, .width = 211, .height = 211,
       .displayMode = DisplayMode::stretched, .picture = BytesOf(ArtEmblem)},
      {.id = ZIP压缩1.controlId, .name = "ZIP压缩1", .kind = ControlKind::component,
       .parentId = 图片框_Logo.controlId, .left = 8, .top = 40, .width = 27, .height = 27, .visible = false,
       .component = &kZipComponent},
      {.id = 标签_安装目录.controlId, .name = "标签_安装目录", .kind = ControlKind::label,
       .parentId = 图片框1_背景.controlId, .left = 7, .top = 367, .width = 232, .height = 25,
       .caption = "D:\\Lunetra Product L", .textColour = kWhite, .backColour = kPanelBlue, .font = &kFolderFont,
       .pointer = rt::kPointerHand},
      {.id = 图片框_进度框.controlId, .name = "图片框_进度框", .kind = ControlKind::pictureBox,
       .parentId = 图片框2_背景.controlId, .top = 335, .width = 600, .height = 24, .backColour = kLightBlue,
       .border = true},
      {.id = 图片框_进度.controlId, .name = "图片框_进度", .kind = ControlKind::pictureBox,
       .parentId = 图片框_进度框.controlId, .left = -2, .top = 2, .width = 0, .height = 18, .backColour = kWhite},
      {.id = 图形按钮10.controlId, .name = "图形按钮10", .kind = ControlKind::pictureButton,
       .parentId = 图片框2_背景.controlId, .left = 563, .width = 27, .height = 22, .picture = BytesOf(ArtCloseNormal),
       .hotPicture = BytesOf(ArtCloseHot), .pressedPicture = BytesOf(ArtClosePressed)},
      {.id = 图片框_AD.controlId, .name = "图片框_AD", .kind = ControlKind::pictureBox,
       .parentId = 图片框2_背景.controlId, .top = 23, .width = 600, .height = 300, .backColour = kLightBlue,
       .displayMode = DisplayMode::centred},
      TransparentLabel(透明标签2, "透明标签2", 图片框2_背景, 0, 0, 250, " Tallyx 5_正在安装..."),
      {.id = 图形按钮3.controlId, .name = "图形按钮3", .kind = ControlKind::pictureButton,
       .parentId = 图片框3_背景.controlId, .left = 192, .top = 288, .width = 220, .height = 80,
       .picture = BytesOf(InstallDonePicture)},
      {.id = 图片框_Logo2.controlId, .name = "图片框_Logo2", .kind = ControlKind::pictureBox,
       .parentId = 图片框3_背景.controlId, .left = 174, .top = 24, .width = 250, .height = 255,
       .picture = BytesOf(ArtEmblem2)},
      TransparentLabel(透明标签3, "透明标签3", 图片框3_背景, 0, 0, 250, " Tallyx 5_安装完成！"),
  };
  return controls;
}
constexpr size_t kControlCount = 25;

const rt::EventBinding kEvents[] = {
    {窗口.controlId, rt::kEventCreated, &OnMainWindowCreated},
    {透明标签4.controlId, rt::kEventMouseReleased, &OnCloseLabelReleased},
    {图形按钮10.controlId, rt::kEventClicked, &OnCloseButtonClicked},
    {标签_安装目录.controlId, rt::kEventMousePressed, &OnInstallDirLabelPressed},
    {图形按钮1.controlId, rt::kEventClicked, &OnInstallButtonClicked},
    {ZIP压缩1.controlId, zipc::ZIP压缩::kUnzipProgressEvent, &OnUnzipProgress},
};
}  // namespace

const rt::WindowDesc& MainWindowForm() noexcept {
  static const rt::WindowDesc form{
      .id = kMainWindowId,
      .title = "Lunetra Product L - 安装程序",
      .width = 250,
      .height = 400,
      .backColour = kLightBlue,
      .iconResource = "DEFAULT_ICON",
      .controls = std::span<const rt::ControlDesc>(Controls(), kControlCount),
      .events = kEvents,
  };
  return form;
}
