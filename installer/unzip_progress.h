#pragma once
// The progress bar during the extraction, and the completion that follows a
// successful one.
#include <cstdint>
#include <string>

#include "install_system.h"

// The install folder as 标签_安装目录 shows it now: read afresh each time,
// since the chooser may replace it while a worker runs.
[[nodiscard]] std::string InstallFolder() noexcept;

// The bar's position for a percentage: maximum ÷ 100.0 × percent, in double
// precision, truncated toward zero (maximum 29 and 100 % give 28).
[[nodiscard]] int32_t BarPosition(int32_t maximum, int32_t percent) noexcept;

// ZIP压缩1's UnzipProgress: moves 进度条1 only. A final event of 100 also
// comes after a failed extraction, so it completes nothing.
void OnUnzipProgress(int32_t percent) noexcept;

// After Unzip gave 1: the done picture, the desktop shortcut, the question,
// the product's start on Yes, the bar hidden, the archive that this run wrote
// deleted, and the end of the program.
void CompleteInstallation(const InstallSystem& system, const std::string& archivePath) noexcept;
