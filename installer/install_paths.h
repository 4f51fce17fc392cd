#pragma once
// The paths an installation works with, built from the texts it has just read:
// the temporary archive at its two locations, the product's executable, the
// desktop shortcut's file and the command line that starts the product.
#include <string>
#include <string_view>

// The temporary folder's text (ending in "\") followed by "\tool.zip"; the
// doubled backslash is resolved by the file system. An empty folder text
// gives an empty path, never "\tool.zip" in the current drive's root.
[[nodiscard]] std::string PrimaryArchivePath(std::string_view temporaryFolder);

// The install folder's first byte (its drive letter) followed by ":\tool.zip".
[[nodiscard]] std::string FallbackArchivePath(std::string_view installFolder);

// install folder, "\", product name, ".exe".
[[nodiscard]] std::string ProductExecutablePath(std::string_view installFolder, std::string_view productName);

// The desktop folder (ending in "\") and the product name, with ".lnk"
// appended unless the product name itself holds a ".": a "." elsewhere in the
// desktop's path (C:\Users\li.ming\Desktop\) does not count. Empty when the
// desktop folder is unknown, so that no link lands in the current folder.
[[nodiscard]] std::string ShortcutFilePath(std::string_view desktopFolder, std::string_view productName);

// The program path in double quotes, so that the system cannot take a
// shorter prefix of a path with spaces for the program to start.
[[nodiscard]] std::string QuotedCommandLine(std::string_view programPath);
