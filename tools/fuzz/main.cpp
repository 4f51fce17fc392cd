// zip_fuzz SEED COUNT [SCRATCH [FIRST]]: runs Unzip on COUNT mutants of a
// shipped-shape archive (cases FIRST to FIRST+COUNT-1 of SEED) and checks
// each: no crash, no hang, nothing written outside the target folder, and a
// result of 1 only when the target holds exactly what the archive was made
// from. Prints one summary line; exits 1 on any failure, naming the case.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "case_runner.h"
#include "folder_snapshot.h"
#include "mutator.h"
#include "scratch_folder.h"
#include "verdict.h"

namespace {

constexpr DWORD kCaseBoundMs = 10000;
// The target lies two folders deep in the jail, so that parent steps still
// land where the jail's listing sees them.
constexpr const char* kTargetBelowJail = "outer\\inner\\target";

struct Tally {
  unsigned long long succeeded = 0, failed = 0, missing = 0;
  unsigned long long crashes = 0, hangs = 0, outside = 0, falseSuccess = 0;
  [[nodiscard]] unsigned long long Failures() const { return crashes + hangs + outside + falseSuccess; }
};

class Jail {
 public:
  explicit Jail(const std::string& scratch) : root_(scratch + "\\jail") {
    ziptest::RemoveTree(root_);
    CreateDirectoryA(scratch.c_str(), nullptr);
    for (const char* folder : {"", "\\outer", "\\outer\\inner", "\\outer\\inner\\sibling"}) {
      CreateDirectoryA((root_ + folder).c_str(), nullptr);
    }
    // Files an escaping name would overwrite.
    for (const char* file : {"\\evil.txt", "\\outer\\evil.txt", "\\outer\\inner\\evil.txt",
                             "\\outer\\inner\\sibling\\Lunetra Product I.exe"}) {
      (void)ziptest::WriteBytes(root_ + file, "sentinel");
    }
  }
  ~Jail() { ziptest::RemoveTree(root_); }
  Jail(const Jail&) = delete;
  Jail& operator=(const Jail&) = delete;

  [[nodiscard]] const std::string& Root() const { return root_; }
  [[nodiscard]] std::string Target() const { return root_ + "\\" + kTargetBelowJail; }
  [[nodiscard]] std::string Archive() const { return root_ + "\\tool.zip"; }

 private:
  std::string root_;
};

std::string DriveRoot(const std::string& path) { return path.substr(0, 2); }

// Absolute names ("\\x", "C:x") would land in the drive's root.
zipfuzz::Snapshot DriveRootListing(const std::string& driveRoot) {
  return zipfuzz::TakeSnapshot(driveRoot + "\\", {}, zipfuzz::Depth::kTopOnly);
}

std::string DefaultScratch() {
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  return std::string(temp, length) + "zip_fuzz-" + std::to_string(GetCurrentProcessId());
}

void ReportFailure(uint32_t seed, unsigned long long index, const std::string& scratch, const char* kind,
                   const std::string& detail, const zipfuzz::Mutant& mutant) {
  std::printf("FAIL seed %u case %llu: %s: %s\n  mutations: %s\n  replay: zip_fuzz.exe %u 1 \"%s\" %llu\n", seed, index,
              kind, detail.c_str(), mutant.description.c_str(), seed, scratch.c_str(), index);
  std::fflush(stdout);
}

void PrintSummary(uint32_t seed, unsigned long long first, unsigned long long run, const Tally& t) {
  std::printf(
      "zip_fuzz seed %u cases %llu-%llu (%llu run): result 1: %llu, result 0: %llu, result -1: %llu; failures: %llu "
      "(crash %llu, hang %llu, written outside %llu, failure reported as success %llu)\n",
      seed, first, first + run - 1, run, t.succeeded, t.failed, t.missing, t.Failures(), t.crashes, t.hangs, t.outside,
      t.falseSuccess);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: zip_fuzz SEED COUNT [SCRATCH [FIRST]]\n");
    return 2;
  }
  const auto seed = static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10));
  const unsigned long long count = std::strtoull(argv[2], nullptr, 10);
  const std::string scratch = argc > 3 ? argv[3] : DefaultScratch();
  const unsigned long long first = argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 0;

  zipfuzz::InstallCrashCatcher();
  const Jail jail(scratch);
  // A relative path anywhere in the component lands in the jail, too.
  SetCurrentDirectoryA(jail.Root().c_str());
  const std::string driveRoot = DriveRoot(jail.Root());

  Tally tally;
  unsigned long long run = 0;
  for (unsigned long long index = first; index < first + count; ++index, ++run) {
    const zipfuzz::Mutant mutant = zipfuzz::MakeMutant(seed, index);
    ziptest::RemoveTree(jail.Target());
    SetFileAttributesA(jail.Archive().c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!ziptest::WriteBytes(jail.Archive(), mutant.bytes)) {
      std::printf("cannot write %s\n", jail.Archive().c_str());
      return 2;
    }
    const zipfuzz::Snapshot jailBefore = zipfuzz::TakeSnapshot(jail.Root(), kTargetBelowJail);
    const zipfuzz::Snapshot rootBefore = DriveRootListing(driveRoot);

    const zipfuzz::CaseRun outcome = zipfuzz::RunBounded(jail.Archive(), jail.Target(), kCaseBoundMs);
    if (outcome.end != zipfuzz::CaseEnd::kReturned) {
      // The worker may hold files or locks: no further case can be trusted.
      const bool crashed = outcome.end == zipfuzz::CaseEnd::kCrashed;
      ++(crashed ? tally.crashes : tally.hangs);
      char detail[64];
      std::snprintf(detail, sizeof detail, crashed ? "exception 0x%08lX" : "no result within %lu ms",
                    crashed ? outcome.exceptionCode : kCaseBoundMs);
      ReportFailure(seed, index, scratch, crashed ? "crash" : "hang", detail, mutant);
      PrintSummary(seed, first, run + 1, tally);
      std::fflush(stdout);
      ExitProcess(1);
    }

    ++(outcome.result == 1 ? tally.succeeded : outcome.result == 0 ? tally.failed : tally.missing);
    std::vector<std::string> changed = zipfuzz::Differences(jailBefore, zipfuzz::TakeSnapshot(jail.Root(), kTargetBelowJail));
    for (const std::string& path : zipfuzz::Differences(rootBefore, DriveRootListing(driveRoot))) {
      changed.push_back(driveRoot + "\\" + path);
    }
    if (!changed.empty()) {
      ++tally.outside;
      ReportFailure(seed, index, scratch, "written outside the target", changed.front(), mutant);
    }
    if (outcome.result == 1) {
      const std::string difference = zipfuzz::CompareWithMembers(jail.Target(), mutant.members);
      if (!difference.empty()) {
        ++tally.falseSuccess;
        ReportFailure(seed, index, scratch, "result 1 but", difference, mutant);
      }
    }
  }
  ziptest::RemoveTree(jail.Target());
  PrintSummary(seed, first, run, tally);
  return tally.Failures() == 0 ? 0 : 1;
}
