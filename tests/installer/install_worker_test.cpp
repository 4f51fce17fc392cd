// The click, the worker and the completion against a system the test plays,
// on the real main window (this thread is its GUI thread): which files are
// written and deleted, which boxes come, what is started, when it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "install_system.h"
#include "install_worker.h"
#include "installer_globals.h"
#include "main_window.h"
#include "runtime/lifecycle.h"
#include "runtime/properties.h"
#include "unzip_progress.h"

namespace {

constexpr const char* kInstallFolder = "D:\\Lunetra软件\\Lunetra Product I";
constexpr const char* kTemporaryArchive = "C:\\users\\li\\Temp\\\\tool.zip";
constexpr const char* kFallbackArchive = "D:\\tool.zip";
constexpr const char* kQuestionTitle = "温馨提示：";

struct Box {
  std::string text;
  UINT style;
  std::string title;  // "" when none was given
};

// What the played system holds and what it was asked.
struct PlayedSystem {
  std::string temporaryFolder = "C:\\users\\li\\Temp\\";
  std::string desktopFolder = "C:\\Users\\li.ming\\Desktop\\";
  std::set<std::string> files;       // present on disk
  std::set<std::string> unwritable;  // a write there fails (after creating the file)
  int unzipResult = 1;
  int shortcutResult = 1;
  int answer = 6;  // No
  int64_t declaredSize = 689707;
  int64_t freeBytes = int64_t{50} << 30;
  std::function<void()> whileQuestionOpen;

  std::vector<std::string> calls;  // in order
  std::vector<Box> boxes;
  std::vector<void (*)()> threads;
};
PlayedSystem g_system;

void Note(std::string call) { g_system.calls.push_back(std::move(call)); }

int PlayMessageBox(std::string_view text, UINT style, const char* title) noexcept {
  g_system.boxes.push_back({std::string(text), style, title != nullptr ? title : ""});
  Note("box " + g_system.boxes.back().title);
  if (title != nullptr && std::string(title) == kQuestionTitle) {
    if (g_system.whileQuestionOpen) g_system.whileQuestionOpen();
    return g_system.answer;
  }
  return 0;
}
std::string PlaySpecialFolder(int number) noexcept {
  return number == 11 ? g_system.temporaryFolder : number == 3 ? g_system.desktopFolder : "";
}
bool PlayFileExists(const std::string& path) noexcept { return g_system.files.count(path) != 0; }
bool PlayWriteFile(const std::string& path, std::span<const unsigned char>) noexcept {
  Note("write " + path);
  if (path.empty()) return false;
  g_system.files.insert(path);
  return g_system.unwritable.count(path) == 0;
}
bool PlayDeleteFile(const std::string& path) noexcept {
  Note("delete " + path);
  return g_system.files.erase(path) != 0;
}
bool PlayRunProgram(const std::string& commandLine, bool wait, int) noexcept {
  Note("run " + commandLine + (wait ? " waiting" : ""));
  return true;
}
int PlayCreateShortcut(const std::string& link, const std::string& target) noexcept {
  Note("link " + link + " -> " + target);
  return g_system.shortcutResult;
}
bool PlayStartThread(void (*routine)()) noexcept {
  g_system.threads.push_back(routine);
  return true;
}
// As the component does: an event per entry and a last one of 100, failed or not.
int PlayUnzip(const std::string& archive, const std::string& folder) noexcept {
  Note("unzip " + archive + " -> " + folder);
  for (int32_t percent : {0, 50, 100}) OnUnzipProgress(percent);
  Note("unzip returns");
  return g_system.unzipResult;
}
void PlayEndProgram(int32_t code) noexcept { Note("end " + std::to_string(code)); }
int64_t PlayDeclaredSize(const std::string&) noexcept { return g_system.declaredSize; }
int64_t PlayFreeBytes(const std::string& folder) noexcept {
  Note("free space " + folder);
  return g_system.freeBytes;
}

constexpr InstallSystem kPlayedSystem{&PlayMessageBox, &PlaySpecialFolder, &PlayFileExists, &PlayWriteFile,
                                      &PlayDeleteFile, &PlayRunProgram,    &PlayCreateShortcut, &PlayStartThread,
                                      &PlayUnzip,      &PlayEndProgram,    &PlayDeclaredSize,   &PlayFreeBytes};

void NoBoxFatalError(int32_t code, const char* message) noexcept {
  ADD_FAILURE() << "fatal run-time error " << code << ": " << message;
}

// One main window for the whole run, loaded as the program loads it.
class MainWindowEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    (void)rt::ReplaceFatalErrorReporter(&NoBoxFatalError);
    rt::InitialiseRuntime();
    rt::LoadWindow(MainWindowForm());
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new MainWindowEnvironment);

class InstallWorkerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_system = {};
    previous_ = ReplaceInstallSystem(&kPlayedSystem);
    (void)rt::WriteProperty(标签_安装目录, rt::prop::kCaption, std::string(kInstallFolder));
    (void)rt::WriteProperty(进度条1, rt::prop::kVisible, 0);
    (void)rt::WriteProperty(标签_日志, rt::prop::kCaption, std::string());
  }
  void TearDown() override { (void)ReplaceInstallSystem(previous_); }

  // A click and the worker it starts, run here to its end.
  static void ClickAndRunWorker() {
    OnInstallButtonClicked();
    ASSERT_EQ(g_system.threads.size(), 1u);
    g_system.threads.front()();
  }
  static std::string StepText() { return rt::ReadTextProperty(标签_日志, rt::prop::kCaption); }
  static int32_t BarVisible() { return rt::ReadIntProperty(进度条1, rt::prop::kVisible); }

 private:
  const InstallSystem* previous_ = nullptr;
};

const std::string kProductExe = std::string(kInstallFolder) + "\\Lunetra Product I.exe";

TEST_F(InstallWorkerTest, CompletesAfterUnzipSucceededAndDeletesItsOwnArchive) {
  g_system.answer = 5;  // Yes
  g_system.files.insert(kFallbackArchive);  // not this run's
  ClickAndRunWorker();
  const std::vector<std::string> expected{
      "box ",  // the warning, titled 信息： by the service
      std::string("write ") + kTemporaryArchive,
      std::string("free space ") + kInstallFolder,
      std::string("unzip ") + kTemporaryArchive + " -> " + kInstallFolder,
      "unzip returns",
      "link C:\\Users\\li.ming\\Desktop\\Lunetra Product I.lnk -> " + kProductExe,
      std::string("box ") + kQuestionTitle,
      "run \"" + kProductExe + "\"",
      std::string("delete ") + kTemporaryArchive,
      "end 0",
  };
  EXPECT_EQ(g_system.calls, expected);
  EXPECT_EQ(g_system.boxes[1].style, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
  EXPECT_EQ(g_system.files, std::set<std::string>{kFallbackArchive});
  EXPECT_EQ(StepText(), "3.创建快捷方式..成功");
  EXPECT_EQ(BarVisible(), 0);
  EXPECT_EQ(rt::ReadIntProperty(进度条1, rt::prop::kPosition), 100);
}

TEST_F(InstallWorkerTest, AnswerNoStartsNothingButStillCleansUpAndEnds) {
  g_system.shortcutResult = 0;
  ClickAndRunWorker();
  for (const std::string& call : g_system.calls) EXPECT_NE(call.rfind("run ", 0), 0u) << call;
  EXPECT_EQ(g_system.calls.back(), "end 0");
  EXPECT_TRUE(g_system.files.empty());
  EXPECT_EQ(StepText(), "3.创建快捷方式..失败");
}

TEST_F(InstallWorkerTest, FailedExtractionIsReportedAndLeavesTheInstallerOpen) {
  for (int result : {0, -1}) {
    g_system = {};
    g_system.unzipResult = result;
    ClickAndRunWorker();
    const std::vector<std::string> expected{
        "box ",
        std::string("write ") + kTemporaryArchive,
        std::string("free space ") + kInstallFolder,
        std::string("unzip ") + kTemporaryArchive + " -> " + kInstallFolder,
        "unzip returns",
        std::string("delete ") + kTemporaryArchive,
        "box ",
    };
    EXPECT_EQ(g_system.calls, expected) << result;
    ASSERT_EQ(g_system.boxes.size(), 2u);
    const std::string& text = g_system.boxes[1].text;
    EXPECT_NE(text.find("安装失败"), std::string::npos) << text;
    EXPECT_NE(text.find("安装目录"), std::string::npos) << text;
    EXPECT_NE(text.find("空间"), std::string::npos) << text;
    EXPECT_NE(text.find("关闭"), std::string::npos) << text;
    EXPECT_EQ(g_system.boxes[1].style, 0u);
    EXPECT_TRUE(g_system.files.empty());
    EXPECT_EQ(StepText(), "2.解压..失败");
    EXPECT_EQ(BarVisible(), 0);

    // The installer is ready for another try.
    g_system.threads.clear();
    OnInstallButtonClicked();
    EXPECT_EQ(g_system.threads.size(), 1u);
    g_system.unzipResult = 1;
    g_system.threads.front()();
    EXPECT_EQ(g_system.calls.back(), "end 0");
  }
}

TEST_F(InstallWorkerTest, TooLittleFreeSpaceUnpacksNothingAndLeavesTheInstallerOpen) {
  struct Case {
    int64_t declared, free;
    bool unpacks;
  };
  constexpr int64_t kMB = 1048576;
  const Case cases[] = {
      {3 * kMB + 1, 3 * kMB, false},  // one byte short
      {int64_t{40000} * 65535 * kMB, 200 * kMB, false},  // a bomb's many records over one entry
      {3 * kMB, 3 * kMB, true},       // just fits
      {-1, 3 * kMB, true},            // unreadable directory: Unzip reports it
      {3 * kMB, -1, true},            // the drive cannot tell
  };
  for (const Case& c : cases) {
    g_system = {};
    g_system.declaredSize = c.declared;
    g_system.freeBytes = c.free;
    ClickAndRunWorker();
    const bool unzipped = std::find(g_system.calls.begin(), g_system.calls.end(),
                                    std::string("unzip returns")) != g_system.calls.end();
    EXPECT_EQ(unzipped, c.unpacks) << c.declared << " in " << c.free;
    if (c.unpacks) continue;
    const std::vector<std::string> expected{
        "box ", std::string("write ") + kTemporaryArchive, std::string("free space ") + kInstallFolder,
        std::string("delete ") + kTemporaryArchive, "box ",
    };
    EXPECT_EQ(g_system.calls, expected);
    EXPECT_TRUE(g_system.files.empty());
    EXPECT_EQ(StepText(), "2.解压..失败");
    EXPECT_EQ(BarVisible(), 0);
    EXPECT_NE(g_system.boxes.back().text.find("磁盘空间不足"), std::string::npos);
  }
  // The installer is ready for another try.
  g_system = {};
  ClickAndRunWorker();
  EXPECT_EQ(g_system.calls.back(), "end 0");
}

TEST_F(InstallWorkerTest, SecondClickStartsNothingWhileAWorkerRuns) {
  OnInstallButtonClicked();
  OnInstallButtonClicked();
  EXPECT_EQ(g_system.threads.size(), 1u);
  EXPECT_EQ(g_system.boxes.size(), 1u);  // no second warning either

  // Nor while the completion question is open.
  g_system.whileQuestionOpen = [] { OnInstallButtonClicked(); };
  g_system.threads.front()();
  EXPECT_EQ(g_system.threads.size(), 1u);
  EXPECT_EQ(g_system.calls.back(), "end 0");
}

TEST_F(InstallWorkerTest, UnwritableTemporaryFolderFallsBackToTheInstallDrivesRoot) {
  struct Case {
    const char* what;
    bool temporaryArchiveThereBefore;
    std::set<std::string> filesAfter;
  };
  const Case cases[] = {
      {"its own partly written file goes", false, {}},
      {"a file that was there stays", true, {kTemporaryArchive}},
  };
  for (const Case& c : cases) {
    g_system = {};
    g_system.unwritable.insert(kTemporaryArchive);
    if (c.temporaryArchiveThereBefore) g_system.files.insert(kTemporaryArchive);
    ClickAndRunWorker();
    std::vector<std::string> touched;
    for (const std::string& call : g_system.calls)
      if (call.find("tool.zip") != std::string::npos) touched.push_back(call);
    std::vector<std::string> expected{std::string("write ") + kTemporaryArchive};
    if (!c.temporaryArchiveThereBefore) expected.push_back(std::string("delete ") + kTemporaryArchive);
    expected.push_back(std::string("write ") + kFallbackArchive);
    expected.push_back(std::string("unzip ") + kFallbackArchive + " -> " + kInstallFolder);
    expected.push_back(std::string("delete ") + kFallbackArchive);
    EXPECT_EQ(touched, expected) << c.what;
    EXPECT_EQ(g_system.files, c.filesAfter) << c.what;
    EXPECT_EQ(g_system.calls.back(), "end 0") << c.what;
  }
}

TEST_F(InstallWorkerTest, NoLocationTakesTheArchive) {
  g_system.temporaryFolder.clear();  // the system gave no temporary folder
  g_system.unwritable.insert(kFallbackArchive);
  ClickAndRunWorker();
  const std::vector<std::string> expected{
      "box ", "write ", std::string("write ") + kFallbackArchive, std::string("delete ") + kFallbackArchive,
      "box ", "end 0",
  };
  EXPECT_EQ(g_system.calls, expected);
  EXPECT_NE(g_system.boxes.back().text.find("写入失败！"), std::string::npos);
}

}  // namespace
