#pragma once
// What a folder tree holds, to tell whether anything in it changed.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zipfuzz {

struct NodeState {
  DWORD attributes = 0;
  uint64_t size = 0;
  uint64_t lastWrite = 0;
  bool operator==(const NodeState&) const = default;
};

// Relative path (with "\" separators) to state, for every file and folder
// below `folder` (or only in it), except the subtree at the relative path
// `excluded`.
using Snapshot = std::map<std::string, NodeState>;
enum class Depth { kWholeTree, kTopOnly };
[[nodiscard]] Snapshot TakeSnapshot(const std::string& folder, const std::string& excluded = {},
                                    Depth depth = Depth::kWholeTree);

// The paths added, removed or changed from `before` to `after`.
[[nodiscard]] std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after);

}  // namespace zipfuzz
