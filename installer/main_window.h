#pragma once
// The main window 窗口 and its controls, by the numbers the property
// interface and the event table use.
#include <cstdint>

#include "runtime/form.h"

inline constexpr uint32_t kMainWindowId = 1;

inline constexpr rt::ControlRef 窗口{kMainWindowId, rt::kWindowItself};
inline constexpr rt::ControlRef 图片框1{kMainWindowId, 1};
inline constexpr rt::ControlRef 时钟4{kMainWindowId, 2};
inline constexpr rt::ControlRef 时钟3{kMainWindowId, 3};
inline constexpr rt::ControlRef 时钟2{kMainWindowId, 4};
inline constexpr rt::ControlRef 时钟1{kMainWindowId, 5};
inline constexpr rt::ControlRef 图片框1_背景{kMainWindowId, 6};
inline constexpr rt::ControlRef 图片框2_背景{kMainWindowId, 7};
inline constexpr rt::ControlRef 图片框3_背景{kMainWindowId, 8};
inline constexpr rt::ControlRef 标签_日志{kMainWindowId, 9};
inline constexpr rt::ControlRef 透明标签4{kMainWindowId, 10};
inline constexpr rt::ControlRef 进度条1{kMainWindowId, 11};
inline constexpr rt::ControlRef 图形按钮1{kMainWindowId, 12};
inline constexpr rt::ControlRef 标签1{kMainWindowId, 13};
inline constexpr rt::ControlRef 透明标签1{kMainWindowId, 14};
inline constexpr rt::ControlRef 图片框_Logo{kMainWindowId, 15};
inline constexpr rt::ControlRef ZIP压缩1{kMainWindowId, 16};
inline constexpr rt::ControlRef 标签_安装目录{kMainWindowId, 17};
inline constexpr rt::ControlRef 图片框_进度框{kMainWindowId, 18};
inline constexpr rt::ControlRef 图片框_进度{kMainWindowId, 19};
inline constexpr rt::ControlRef 图形按钮10{kMainWindowId, 20};
inline constexpr rt::ControlRef 图片框_AD{kMainWindowId, 21};
inline constexpr rt::ControlRef 透明标签2{kMainWindowId, 22};
inline constexpr rt::ControlRef 图形按钮3{kMainWindowId, 23};
inline constexpr rt::ControlRef 图片框_Logo2{kMainWindowId, 24};
inline constexpr rt::ControlRef 透明标签3{kMainWindowId, 25};

// The form of 窗口 with its event bindings.
[[nodiscard]] const rt::WindowDesc& MainWindowForm() noexcept;
