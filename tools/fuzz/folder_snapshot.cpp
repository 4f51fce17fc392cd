#include "folder_snapshot.h"

#include "unique_resource.h"

namespace zipfuzz {
namespace {

struct FindHandleTraits {
  static HANDLE Empty() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Valid(HANDLE h) noexcept { return h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) noexcept { FindClose(h); }
};
using UniqueFind = zipc::UniqueResource<HANDLE, FindHandleTraits>;

bool SamePath(const std::string& a, const std::string& b) noexcept { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

void Walk(const std::string& folder, const std::string& relative, const std::string& excluded, Depth depth, Snapshot& out) {
  WIN32_FIND_DATAA found;
  const UniqueFind search(FindFirstFileA((folder + "\\*").c_str(), &found));
  if (!search) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = relative.empty() ? name : relative + "\\" + name;
    if (!excluded.empty() && SamePath(path, excluded)) continue;
    NodeState& state = out[path];
    state.attributes = found.dwFileAttributes;
    state.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    state.lastWrite = (static_cast<uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      state.lastWrite = 0;  // a folder's time follows its contents, which are compared one by one
      if (depth == Depth::kWholeTree) Walk(folder + "\\" + name, path, excluded, depth, out);
    }
  } while (FindNextFileA(search.get(), &found));
}

}  // namespace

Snapshot TakeSnapshot(const std::string& folder, const std::string& excluded, Depth depth) {
  Snapshot out;
  Walk(folder, {}, excluded, depth, out);
  return out;
}

std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after) {
  std::vector<std::string> out;
  for (const auto& [path, state] : before) {
    const auto it = after.find(path);
    if (it == after.end()) {
      out.push_back("removed " + path);
    } else if (!(it->second == state)) {
      out.push_back("changed " + path);
    }
  }
  for (const auto& [path, state] : after) {
    if (!before.contains(path)) out.push_back("added " + path);
  }
  return out;
}

}  // namespace zipfuzz
