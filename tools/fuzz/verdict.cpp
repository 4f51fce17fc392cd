#include "verdict.h"

#include <windows.h>

#include <map>

#include "folder_snapshot.h"

namespace zipfuzz {
namespace {

std::string OnDisk(std::string name) {
  for (char& c : name) c = c == '/' ? '\\' : c;
  if (!name.empty() && name.back() == '\\') name.pop_back();
  return name;
}

}  // namespace

std::string CompareWithMembers(const std::string& target, const std::vector<ziptest::Member>& members) {
  std::map<std::string, const ziptest::Member*> expected;  // path on disk to the member that wrote it last
  for (const ziptest::Member& m : members) expected[OnDisk(m.name)] = &m;
  const Snapshot found = TakeSnapshot(target);
  for (const auto& [path, member] : expected) {
    const auto it = found.find(path);
    const bool folder = (member->externalAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (it == found.end()) return "missing " + path;
    if (((it->second.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) != folder) return "wrong kind " + path;
    if (!folder && ziptest::ReadBytes(target + "\\" + path) != member->data) return "differs " + path;
  }
  for (const auto& [path, state] : found) {
    // A folder that holds an expected entry is implied by it.
    const bool implied = (state.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                         expected.lower_bound(path + "\\") != expected.end() &&
                         expected.lower_bound(path + "\\")->first.starts_with(path + "\\");
    if (!expected.contains(path) && !implied) return "unexpected " + path;
  }
  return {};
}

}  // namespace zipfuzz
