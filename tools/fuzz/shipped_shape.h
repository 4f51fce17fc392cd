#pragma once
// Archives of the shape the installer ships: 4 root files, a folder entry, a
// file inside it, a root file, and the product's executable last.
#include <vector>

#include "archive_builder.h"

namespace zipfuzz {

// Deflated and stored members with text-like and noise-like data, the same
// on every call so that any mutant can be judged against them.
[[nodiscard]] std::vector<ziptest::Member> ShippedShape();

}  // namespace zipfuzz
