#pragma once
// Deterministic mutants of a shipped-shape archive: case k of seed s is the
// same archive on every run, so any case can be replayed alone.
#include <cstdint>
#include <string>
#include <vector>

#include "archive_builder.h"

namespace zipfuzz {

struct Mutant {
  std::string bytes;
  // The members the mutant was made from (renamed ones included): a result
  // of 1 must leave exactly these on disk.
  std::vector<ziptest::Member> members;
  std::string description;  // the mutations applied, for the replay report
};

[[nodiscard]] Mutant MakeMutant(uint32_t seed, uint64_t caseIndex);

}  // namespace zipfuzz
