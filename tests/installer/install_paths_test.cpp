// The paths an installation builds and the bar's arithmetic.
#include <gtest/gtest.h>

#include <string>

#include "install_paths.h"
#include "unzip_progress.h"

namespace {

TEST(ArchivePaths, PrimaryDoublesTheBackslashBeforeTheFileName) {
  EXPECT_EQ(PrimaryArchivePath("C:\\users\\li\\Temp\\"), "C:\\users\\li\\Temp\\\\tool.zip");
  // No temporary folder: no path at all, not "\tool.zip" in the current drive's root.
  EXPECT_EQ(PrimaryArchivePath(""), "");
}

TEST(ArchivePaths, FallbackTakesTheInstallFoldersFirstByteAsDrive) {
  struct Case {
    const char* installFolder;
    const char* expected;
  };
  const Case cases[] = {
      {"D:\\Lunetra软件\\Lunetra Product I", "D:\\tool.zip"},
      {"e:\\Apps\\Lunetra Product I", "e:\\tool.zip"},
      {"\\\\server\\share\\Lunetra Product I", "\\:\\tool.zip"},  // unwritable: the failure text follows
      {"", ":\\tool.zip"},
  };
  for (const Case& c : cases) EXPECT_EQ(FallbackArchivePath(c.installFolder), c.expected) << c.installFolder;
}

TEST(ProductPaths, ExecutableLiesAtTheInstallFoldersRoot) {
  EXPECT_EQ(ProductExecutablePath("D:\\Lunetra软件\\Lunetra Product I", "Lunetra Product I"),
            "D:\\Lunetra软件\\Lunetra Product I\\Lunetra Product I.exe");
}

TEST(ProductPaths, CommandLineQuotesThePathSoNoPrefixOfItIsStarted) {
  EXPECT_EQ(QuotedCommandLine("C:\\Lunetra软件\\Lunetra Product I\\Lunetra Product I.exe"),
            "\"C:\\Lunetra软件\\Lunetra Product I\\Lunetra Product I.exe\"");
}

TEST(ProductPaths, LinkNameDependsOnTheShortcutsOwnNameOnly) {
  struct Case {
    const char* desktop;
    const char* product;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\users\\li\\Desktop\\", "Lunetra Product I", "C:\\users\\li\\Desktop\\Lunetra Product I.lnk"},
      {"C:\\Users\\li.ming\\Desktop\\", "Lunetra Product I", "C:\\Users\\li.ming\\Desktop\\Lunetra Product I.lnk"},
      {"C:\\Users\\li.ming\\桌面\\", "Lunetra 软件", "C:\\Users\\li.ming\\桌面\\Lunetra 软件.lnk"},
      {"C:\\users\\li\\Desktop\\", "Tallyx 5.1", "C:\\users\\li\\Desktop\\Tallyx 5.1"},
      {"", "Lunetra Product I", ""},  // no desktop: no link in the current folder
  };
  for (const Case& c : cases) EXPECT_EQ(ShortcutFilePath(c.desktop, c.product), c.expected) << c.desktop;
}

TEST(ProgressBar, PositionIsTheTruncatedShareOfTheMaximum) {
  for (int32_t percent = 0; percent <= 100; ++percent) EXPECT_EQ(BarPosition(100, percent), percent);
  struct Case {
    int32_t maximum, percent, position;
  };
  const Case cases[] = {{29, 100, 28}, {29, 50, 14}, {200, 37, 74}, {0, 100, 0}, {32767, 100, 32767}};
  for (const Case& c : cases) EXPECT_EQ(BarPosition(c.maximum, c.percent), c.position) << c.maximum << " " << c.percent;
}

}  // namespace
