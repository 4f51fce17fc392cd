#pragma once
// Whether an extraction that reported success left exactly what the archive
// was made from.
#include <string>
#include <vector>

#include "archive_builder.h"

namespace zipfuzz {

// Empty when `target` holds every member (a later member of the same name
// winning) and nothing else; otherwise the first difference found.
[[nodiscard]] std::string CompareWithMembers(const std::string& target, const std::vector<ziptest::Member>& members);

}  // namespace zipfuzz
