#include "install_paths.h"

namespace {
constexpr std::string_view kArchiveName = "tool.zip";
}

std::string PrimaryArchivePath(std::string_view temporaryFolder) {
  if (temporaryFolder.empty()) return {};
  std::string path(temporaryFolder);
  path += '\\';
  path += kArchiveName;
  return path;
}

std::string FallbackArchivePath(std::string_view installFolder) {
  std::string path(installFolder.substr(0, 1));
  path += ":\\";
  path += kArchiveName;
  return path;
}

std::string ProductExecutablePath(std::string_view installFolder, std::string_view productName) {
  std::string path(installFolder);
  path += '\\';
  path += productName;
  path += ".exe";
  return path;
}

std::string ShortcutFilePath(std::string_view desktopFolder, std::string_view productName) {
  if (desktopFolder.empty()) return {};
  std::string path(desktopFolder);
  path += productName;
  // The product name is an ANSI text without separators, so a "." byte in it
  // is a "." of the file name itself (GBK trail bytes never take that value).
  if (productName.find('.') == std::string_view::npos) path += ".lnk";
  return path;
}

std::string QuotedCommandLine(std::string_view programPath) {
  std::string line;
  line.reserve(programPath.size() + 2);
  line += '"';
  line += programPath;
  line += '"';
  return line;
}
