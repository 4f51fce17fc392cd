#pragma once
// A fresh folder below the system's temporary folder for one test, removed
// with everything in it (read-only files included) when the test ends.
#include <string>

namespace ziptest {

class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  // The folder's absolute path, ending in "\".
  [[nodiscard]] const std::string& Path() const noexcept { return path_; }
  // Path() followed by `relative`.
  [[nodiscard]] std::string operator/(const std::string& relative) const { return path_ + relative; }

 private:
  std::string path_;
};

// Removes a file or a folder tree, clearing attributes that would stop it.
void RemoveTree(const std::string& path);

// "missing", "file" or "folder" for a path, for readable expectations.
[[nodiscard]] std::string KindOf(const std::string& path);

}  // namespace ziptest
