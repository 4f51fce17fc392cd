// Archives made to harm: members that inflate beyond what they declare,
// central records that overlap one local entry, and names that Windows would
// resolve outside the target or to a device.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "archive_builder.h"
#include "declared_size.h"
#include "fake_host.h"
#include "scratch_folder.h"
#include "zip_reader.h"

namespace {

using ziptest::Member;

class HostileArchiveTest : public ::testing::Test {
 protected:
  int Run(const std::string& bytes) {
    EXPECT_TRUE(ziptest::WriteBytes(archivePath, bytes));
    return hosted.Unzip(archivePath.c_str(), target.c_str());
  }
  [[nodiscard]] std::vector<std::string> TargetContents() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((target + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..") names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

  ziptest::ScratchFolder scratch;
  std::string archivePath = scratch / "tool.zip";
  std::string target = scratch / "install";
  ziptest::HostedComponent hosted;
};

// A megabyte of zeros deflates to about a kilobyte: declared small, it would
// fill a disk if the declared size were not the limit.
const std::string kMegabyte(1048576, '\0');
constexpr uint32_t kDeclared = 1000;

TEST_F(HostileArchiveTest, MemberInflatingBeyondItsDeclaredSizeFailsAndWritesAtMostThatSize) {
  struct Case {
    const char* what;
    Member bomb;
  } const cases[] = {
      {"deflated", Member{.name = "bomb.bin", .data = kMegabyte, .uncompressedSize = kDeclared}},
      {"stored", Member{.name = "bomb.bin", .data = kMegabyte, .method = 0, .uncompressedSize = kDeclared}},
  };
  for (const auto& c : cases) {
    hosted.host.events.clear();
    EXPECT_EQ(Run(ziptest::BuildArchive({c.bomb, Member{.name = "after.txt", .data = "x"}}).bytes), 0) << c.what;
    EXPECT_EQ(hosted.host.events, (std::vector<int>{100})) << c.what;
    EXPECT_LE(ziptest::ReadBytes(target + "\\bomb.bin").size(), c.bomb.uncompressedSize.value()) << c.what;
    EXPECT_EQ(ziptest::KindOf(target + "\\after.txt"), "missing") << c.what;
    ziptest::RemoveTree(target);
  }
}

// Whose CRC-32 vouches for the declared bytes only: what the records declare
// is what lands, and not a byte more.
TEST_F(HostileArchiveTest, MemberWhoseCrcCoversOnlyItsDeclaredBytesWritesExactlyThose) {
  const std::string declared = kMegabyte.substr(0, kDeclared);
  EXPECT_EQ(Run(ziptest::BuildArchive({Member{.name = "bomb.bin", .data = kMegabyte, .crc = ziptest::Crc32(declared),
                                              .uncompressedSize = kDeclared}})
                    .bytes),
            1);
  EXPECT_EQ(ziptest::ReadBytes(target + "\\bomb.bin"), declared);
}

// Every central record pointing at one local entry, each with the local
// header's name: each agrees with it, so the same file is written again and
// again, never more than one copy on disk. The declared total counts every
// record, so the installer's free-space check sees the whole bomb.
TEST_F(HostileArchiveTest, OverlappingRecordsOfTheLocalNameRewriteOneFile) {
  const Member member{.name = "zeros.bin", .data = std::string(65536, '\0')};
  const std::string bomb = ziptest::OverlappingBomb(member, 40);
  EXPECT_EQ(Run(bomb), 1);
  EXPECT_EQ(hosted.host.events.size(), 41u);
  EXPECT_EQ(TargetContents(), std::vector<std::string>{"zeros.bin"});
  EXPECT_EQ(ziptest::ReadBytes(target + "\\zeros.bin"), member.data);
  EXPECT_EQ(zipc::DeclaredUncompressedTotal(archivePath.c_str()), int64_t{40} * 65536);
}

// Records that give the one local entry other names of the same length, so
// that minizip's length check passes: each disagrees with the local header,
// and the archive is refused before anything is written.
TEST_F(HostileArchiveTest, OverlappingRecordsUnderOtherNamesAreRefusedBeforeWriting) {
  const Member member{.name = "zeros000.bin", .data = std::string(65536, '\0')};
  const auto renamed = [](uint16_t k) {
    char name[16];
    std::snprintf(name, sizeof name, "zeros%03u.bin", static_cast<unsigned>(k));
    return std::string(name);
  };
  EXPECT_EQ(Run(ziptest::OverlappingBomb(member, 40, renamed)), 0);
  EXPECT_EQ(hosted.host.events, std::vector<int>{0});
  EXPECT_EQ(ziptest::KindOf(target + "\\zeros000.bin"), "missing") << "even the record that agrees";
  EXPECT_EQ(zipc::DeclaredUncompressedTotal(archivePath.c_str()), int64_t{40} * 65536);
}

TEST_F(HostileArchiveTest, CentralNameDisagreeingWithTheLocalNameIsADamagedHeader) {
  ziptest::Archive archive = ziptest::BuildArchive({Member{.name = "good.txt", .data = "fine"}});
  archive.bytes[archive.localHeaderOffsets[0] + 30] = 'f';  // local "food.txt"
  ASSERT_TRUE(ziptest::WriteBytes(archivePath, archive.bytes));
  zipc::ZipReader reader;
  ASSERT_EQ(reader.OpenZipFile(archivePath.c_str()), zipc::kZipOk);
  zipc::ZipEntry entry;
  EXPECT_EQ(reader.GetZipEntry(0, entry), zipc::kZipBadLocalHeader);
  reader.CloseZipFile();
}

// Names Windows would open as a device, strip, or read as a stream, in the
// forms the name tables of the component's own tests leave out: each refused
// with one event carrying 0 and nothing written, as escaping names are.
TEST_F(HostileArchiveTest, NamesWindowsResolvesElsewhereAreRefusedBeforeWriting) {
  const std::string names[] = {
      "NUL", "nul", "COM1", "com1.txt", "Lpt1", "lpt9.dat", "aux", "PRN.txt", "pRn.tar.gz",
      "CON/readme.txt", "data/Nul/x.txt", "com3.log/f", "LPT2/", "data/AUX.",
      "trailing space ", "data /x", "dots...", "data../x", "x.txt::$DATA", "dir/f:zone", ":x",
      std::string("engin\0.dll", 10), std::string("data\0/x", 7),
  };
  const Member good{.name = "good.txt", .data = "fine"};
  for (const std::string& n : names) {
    const std::string name = n.c_str();
    hosted.host.events.clear();
    const Member hostile = n.back() == '/' ? ziptest::FolderMember(n) : Member{.name = n, .data = "x"};
    EXPECT_EQ(Run(ziptest::BuildArchive({good, hostile}).bytes), 0) << name;
    EXPECT_EQ(hosted.host.events, std::vector<int>{0}) << name;
    EXPECT_EQ(TargetContents(), std::vector<std::string>{}) << name;
  }
}

// The directory as the end record declares it: a record cut short, counts or
// a size that disagree with the central records would drop entries silently.
TEST_F(HostileArchiveTest, EndRecordDisagreeingWithTheDirectoryIsRefusedBeforeWriting) {
  const std::vector<Member> members = {Member{.name = "a.txt", .data = "first"}, Member{.name = "b.txt", .data = "second"},
                                       Member{.name = "c.txt", .data = "last"}};
  const std::string whole = ziptest::BuildArchive(members).bytes;
  const std::size_t end = whole.size() - 22;
  const auto withBytes = [&](std::vector<std::pair<std::size_t, char>> changes) {
    std::string bytes = whole;
    for (const auto& [at, value] : changes) bytes[at] = value;
    return bytes;
  };
  struct Case {
    const char* what;
    std::string bytes;
  } const cases[] = {
      {"cut after the disk numbers", whole.substr(0, end + 7)},
      {"cut before the comment length", whole.substr(0, end + 20)},
      {"cut inside the comment length", whole.substr(0, end + 21)},
      {"comment longer than the file", withBytes({{end + 20, 5}})},
      {"both counts lowered", withBytes({{end + 8, 2}, {end + 10, 2}})},
      {"entries on this disk lowered", withBytes({{end + 8, 2}})},
      {"total entries raised", withBytes({{end + 10, 4}})},
      {"directory size one short", withBytes({{end + 12, static_cast<char>(whole[end + 12] - 1)}})},
  };
  for (const auto& c : cases) {
    hosted.host.events.clear();
    EXPECT_EQ(Run(c.bytes), 0) << c.what;
    EXPECT_EQ(hosted.host.events, (std::vector<int>{0})) << c.what;
    EXPECT_TRUE(TargetContents().empty()) << c.what;
    ziptest::RemoveTree(target);
  }
  EXPECT_EQ(Run(whole), 1);
}

// A folder holds no data: a file entry given the folder bit must not turn
// into an empty folder while its data is dropped.
TEST_F(HostileArchiveTest, FolderEntryDeclaringDataOrAFileNameIsRefusedBeforeWriting) {
  const Member first{.name = "a.txt", .data = "first"};
  struct Case {
    const char* what;
    Member folder;
  } const cases[] = {
      {"deflated data", Member{.name = "data.bin", .data = "payload", .externalAttributes = 0x30}},
      {"stored data", Member{.name = "data.bin", .data = "payload", .method = 0, .externalAttributes = 0x10}},
      {"declared size only", Member{.name = "data/", .data = "", .method = 0, .externalAttributes = 0x10, .uncompressedSize = 7}},
      {"an empty file marked as a folder", Member{.name = "empty.dat", .data = "", .method = 0, .externalAttributes = 0x10}},
      {"a Unix folder bit on a file name", Member{.name = "empty.dat", .data = "", .method = 0, .externalAttributes = 0x41ED0000}},
  };
  for (const auto& c : cases) {
    hosted.host.events.clear();
    EXPECT_EQ(Run(ziptest::BuildArchive({first, c.folder}).bytes), 0) << c.what;
    EXPECT_EQ(hosted.host.events, (std::vector<int>{0})) << c.what;
    EXPECT_TRUE(TargetContents().empty()) << c.what;
    ziptest::RemoveTree(target);
  }
}

}  // namespace
