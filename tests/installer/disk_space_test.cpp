// QueryDiskSpaceMB's conversions and the 1000 MB threshold, with the system
// call replaced by a fake volume.
#include <gtest/gtest.h>

#include <string>

#include "default_location.h"

namespace {
constexpr uint64_t kMegabyte = 1048576;

struct FakeVolume {
  BOOL succeeds;
  uint64_t availableToUser;
  uint64_t total;
  uint64_t totalFree;
};
FakeVolume g_volume;
std::string g_askedFor;

BOOL WINAPI FakeDiskFreeSpace(LPCSTR directory, PULARGE_INTEGER availableToUser, PULARGE_INTEGER total,
                              PULARGE_INTEGER totalFree) {
  g_askedFor = directory;
  if (!g_volume.succeeds) return FALSE;  // the system leaves the figures alone
  availableToUser->QuadPart = g_volume.availableToUser;
  total->QuadPart = g_volume.total;
  totalFree->QuadPart = g_volume.totalFree;
  return TRUE;
}

TEST(QueryDiskSpaceMB, ConvertsByteCountsToWholeMegabytes) {
  g_volume = {TRUE, 300 * kMegabyte + 5, 2000 * kMegabyte - 1, 500 * kMegabyte + kMegabyte - 1};
  int64_t usedMB = 0, freeMB = 0, totalMB = 0;
  EXPECT_EQ(QueryDiskSpaceMB("e:", usedMB, freeMB, totalMB, FakeDiskFreeSpace), 1);
  EXPECT_EQ(g_askedFor, "e:");
  EXPECT_EQ(usedMB, 1699);  // (total - available to the user) in bytes, then truncated
  EXPECT_EQ(freeMB, 500);
  EXPECT_EQ(totalMB, 1999);
}

TEST(QueryDiskSpaceMB, FailedCallConvertsWhatTheFiguresHeld) {
  g_volume = {FALSE, 0, 0, 0};
  int64_t usedMB = 0, freeMB = 3 * static_cast<int64_t>(kMegabyte), totalMB = 10 * static_cast<int64_t>(kMegabyte);
  EXPECT_EQ(QueryDiskSpaceMB("d:", usedMB, freeMB, totalMB, FakeDiskFreeSpace), 0);
  EXPECT_EQ(freeMB, 3);
  EXPECT_EQ(totalMB, 10);
  EXPECT_EQ(usedMB, 10);
}

TEST(DefaultInstallDrive, DriveDAtOneThousandMegabytesOfTheVolume) {
  struct Case {
    FakeVolume volume;
    const char* drive;
  };
  const uint64_t threshold = 1000 * kMegabyte;
  const Case cases[] = {
      {{TRUE, threshold, 4 * threshold, threshold}, "D:\\"},
      {{TRUE, threshold - 1, 4 * threshold, threshold - 1}, "C:\\"},
      {{TRUE, 1, 4 * threshold, 3 * threshold}, "D:\\"},  // a user quota does not count
      {{TRUE, 3 * threshold, 4 * threshold, threshold - 1}, "C:\\"},
      {{FALSE, 0, 0, 0}, "C:\\"},  // no drive D:
  };
  for (const Case& c : cases) {
    g_volume = c.volume;
    EXPECT_STREQ(DefaultInstallDrive(FakeDiskFreeSpace), c.drive) << "free bytes " << c.volume.totalFree;
    EXPECT_EQ(g_askedFor, "d:");
  }
}

}  // namespace
