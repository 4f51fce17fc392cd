#include "default_location.h"

#include <string>
#include <tuple>

#include "handlers.h"
#include "installer_globals.h"
#include "main_window.h"
#include "runtime/properties.h"

namespace {
constexpr int64_t kThresholdMB = 1000;

// Through double precision and truncated toward zero.
int64_t ToMegabytes(int64_t bytes) noexcept { return static_cast<int64_t>(static_cast<double>(bytes) / 1048576.0); }
}  // namespace

int32_t QueryDiskSpaceMB(const char* directory, int64_t& usedMB, int64_t& freeMB, int64_t& totalMB,
                         DiskFreeSpaceCall query) noexcept {
  ULARGE_INTEGER availableToUser{}, total{}, totalFree{};
  availableToUser.QuadPart = static_cast<ULONGLONG>(usedMB);
  total.QuadPart = static_cast<ULONGLONG>(totalMB);
  totalFree.QuadPart = static_cast<ULONGLONG>(freeMB);
  const int32_t result = query(directory, &availableToUser, &total, &totalFree);
  usedMB = static_cast<int64_t>(availableToUser.QuadPart);
  totalMB = static_cast<int64_t>(total.QuadPart);
  freeMB = static_cast<int64_t>(totalFree.QuadPart);
  usedMB = static_cast<int64_t>(static_cast<double>(totalMB) - static_cast<double>(usedMB));
  usedMB = ToMegabytes(usedMB);
  freeMB = ToMegabytes(freeMB);
  totalMB = ToMegabytes(totalMB);
  return result;
}

const char* DefaultInstallDrive(DiskFreeSpaceCall query) noexcept {
  int64_t usedMB = 0, freeMB = 0, totalMB = 0;
  std::ignore = QueryDiskSpaceMB("d:", usedMB, freeMB, totalMB, query);
  return freeMB < kThresholdMB ? "C:\\" : "D:\\";
}

void OnMainWindowCreated() noexcept {
  std::ignore = rt::WriteProperty(窗口, rt::prop::kWidth, 250);
  std::ignore = rt::WriteProperty(窗口, rt::prop::kHeight, 400);
  std::ignore = rt::WriteProperty(窗口, rt::prop::kTop, 300);
  const char* drive = DefaultInstallDrive();
  SelectProduct();
  std::ignore = rt::WriteProperty(标签_安装目录, rt::prop::kCaption, std::string(drive) + kBrandFolder + g_productName);
}
