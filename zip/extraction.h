#pragma once
// The body of Unzip: checks, counting, and writing the entries one by one
// below the target folder, reporting progress through the context.
#include <string>

#include "unzip_context.h"
#include "zip_reader.h"

namespace zipc {

// 1 when every entry was written or the handler asked to stop, 0 when the
// extraction started and failed, -1 when the archive file does not exist.
[[nodiscard]] int ExtractArchive(UnzipContext& context, const char* archivePath, const char* targetFolder) noexcept;

// The first 32 bytes begin with a local header whose name is not empty.
[[nodiscard]] bool IsZipFileStart(const char* path) noexcept;

// The number of entries once the whole archive has been checked: every entry
// readable, not enciphered, and named so that it lands inside the target
// folder with a path the ANSI file calls take. -1 otherwise, before anything
// has been written.
[[nodiscard]] int CountZipEntries(ZipReader& reader, const std::string& targetFolder) noexcept;

}  // namespace zipc
