#pragma once
// Creation of folder chains, from the outermost folder inward.
#include <string>
#include <string_view>

namespace zipc {

// Creates every missing folder along `path` (a "\"-separated path, with or
// without a final "\"); existing ones, the drive root among them, are passed
// over. False when a missing folder cannot be created.
[[nodiscard]] bool CreateFolderPath(const std::string& path);

// Creates `folder` (relative, "/" or "\" separated) and its parents below
// `baseFolder` (which ends in "\"); failures are ignored, the later file
// creation reports them.
void EnsureFolderPath(const std::string& baseFolder, std::string_view folder);

}  // namespace zipc
