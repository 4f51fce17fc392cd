// The default product, started the way the installer starts it: from a folder
// whose path has spaces and Chinese characters, with another current folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.rfind('\\'));
}

std::string TempFolder(const char* name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string ReadFileText(const std::string& path) {
  std::string text;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

TEST(DefaultProduct, LeavesMarkerWithItsPathAndCurrentFolderAndShowsItsWindow) {
  const std::string installFolder = TempFolder("产品 测试");
  const std::string currentFolder = TempFolder("当前 目录");
  const std::string executable = installFolder + "\\" PRODUCT_NAME ".exe";
  const std::string marker = installFolder + "\\started.txt";
  ASSERT_TRUE(CopyFileA((OwnFolder() + "\\" PRODUCT_NAME ".exe").c_str(), executable.c_str(), FALSE));
  DeleteFileA(marker.c_str());

  std::string commandLine = "\"" + executable + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             currentFolder.c_str(), &startup, &process));
  WaitForInputIdle(process.hProcess, 10000);
  std::string text;
  HWND window = nullptr;
  for (int i = 0; i < 100 && (window == nullptr || text.find('\n', text.find('\n') + 1) == std::string::npos); ++i) {
    Sleep(100);
    text = ReadFileText(marker);
    window = FindWindowA("LunetraProductWindow", PRODUCT_NAME);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  EXPECT_EQ(text, executable + "\r\n" + currentFolder + "\r\n");
  EXPECT_NE(window, nullptr) << "a window titled with the product's name";
  DeleteFileA(marker.c_str());
  DeleteFileA(executable.c_str());
  RemoveDirectoryA(installFolder.c_str());
  RemoveDirectoryA(currentFolder.c_str());
}

}  // namespace
