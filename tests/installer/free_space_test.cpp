// The free bytes of the install folder's drive, asked of its nearest existing
// folder, and the message for a shortage.
#include <gtest/gtest.h>

#include <windows.h>

#include "free_space.h"
#include "scratch_folder.h"

namespace {

constexpr int64_t kMB = 1048576;

std::string g_askedFor;
BOOL g_succeeds = TRUE;

BOOL WINAPI FakeDiskFreeSpace(LPCSTR directory, PULARGE_INTEGER availableToUser, PULARGE_INTEGER total,
                              PULARGE_INTEGER totalFree) {
  g_askedFor = directory;
  if (!g_succeeds) return FALSE;
  availableToUser->QuadPart = 7 * kMB;  // quota: less than the drive's free space
  total->QuadPart = 100 * kMB;
  totalFree->QuadPart = 9 * kMB;
  return TRUE;
}

TEST(FreeSpaceTest, AsksTheNearestExistingFolder) {
  ziptest::ScratchFolder scratch;
  ASSERT_TRUE(CreateDirectoryA((scratch / "有").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((scratch / "有\\乗").c_str(), nullptr));
  struct Case {
    std::string folder, asked;
  };
  const Case cases[] = {
      {scratch / "有", scratch / "有\\"},
      {scratch / "有\\", scratch / "有\\"},
      {scratch / "有\\Lunetra软件\\Lunetra Product I", scratch / "有\\"},
      {scratch / "有\\乗", scratch / "有\\乗\\"},  // 乗's trail byte 0x5C ends no folder name
      {scratch / "有\\乗\\无", scratch / "有\\乗\\"},
      {"Q:\\nowhere\\at all", ""},           // not even the root
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NearestExistingFolder(c.folder), c.asked) << c.folder;
    g_askedFor.clear();
    g_succeeds = TRUE;
    EXPECT_EQ(FreeBytesFor(c.folder, &FakeDiskFreeSpace), c.asked.empty() ? -1 : 7 * kMB) << c.folder;
    EXPECT_EQ(g_askedFor, c.asked) << c.folder;
  }
  // A file of the folder's name is no folder to install into.
  ASSERT_TRUE(CloseHandle(CreateFileA((scratch / "file").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
  EXPECT_EQ(NearestExistingFolder(scratch / "file\\sub"), scratch.Path());
  g_succeeds = FALSE;
  EXPECT_EQ(FreeBytesFor(scratch.Path(), &FakeDiskFreeSpace), -1);
}

TEST(FreeSpaceTest, RealDriveAnswers) {
  ziptest::ScratchFolder scratch;
  EXPECT_GT(FreeBytesFor(scratch / "not\\made\\yet"), 0);
}

TEST(FreeSpaceTest, ShortageTextGivesNeededAndFreeMegabytes) {
  struct Case {
    int64_t needed, free;
    const char* shown;  // nullptr: it fits or cannot be told
  };
  const Case cases[] = {
      {3 * kMB + 1, 3 * kMB, "安装需要 4 MB，安装目录所在的磁盘只有 3 MB 可用"},
      {1, 0, "安装需要 1 MB，安装目录所在的磁盘只有 0 MB 可用"},
      {int64_t{5000} * kMB, 999 * kMB + kMB - 1, "安装需要 5000 MB，安装目录所在的磁盘只有 999 MB 可用"},
      {3 * kMB, 3 * kMB, nullptr},
      {0, 0, nullptr},
      {-1, 0, nullptr},
      {5 * kMB, -1, nullptr},
  };
  for (const Case& c : cases) {
    const std::string text = SpaceShortageText(c.needed, c.free);
    if (c.shown == nullptr) {
      EXPECT_EQ(text, "") << c.needed << " in " << c.free;
      continue;
    }
    EXPECT_EQ(text.rfind("磁盘空间不足！", 0), 0u) << text;
    EXPECT_NE(text.find(c.shown), std::string::npos) << text;
  }
}

}  // namespace
