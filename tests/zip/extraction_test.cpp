// Unzip end to end through a fake form runtime: results, events, and what
// lands on disk.
#include <gtest/gtest.h>

#include <windows.h>

#include "archive_builder.h"
#include "fake_host.h"
#include "scratch_folder.h"

namespace {

using ziptest::Member;

// The shipped payload's shape: 4 root files, a folder entry, a file inside
// it, a root file, then the product's executable; DOS made-by, 0x20 / 0x10.
std::vector<Member> PayloadShape() {
  const auto file = [](std::string name, std::size_t size) {
    std::string data;
    for (std::size_t i = 0; data.size() < size; ++i) data += static_cast<char>('a' + (i * i) % 23);
    return Member{.name = std::move(name), .data = data};
  };
  return {file("support.dll", 7782),   file("helper.exe", 8724), file("settings.ini", 265),
          file("runtime.dll", 10240),  ziptest::FolderMember("config/"), file("config/app.cfg", 6564),
          file("codec.dll", 22579),    file("Lunetra Product I.exe", 37806)};
}

// Bits that the extraction clears from every file it writes. (Wine reports
// FILE_ATTRIBUTE_ARCHIVE for every plain file, so "normal" is checked so.)
DWORD RestrictingAttributes(const std::string& path) {
  return GetFileAttributesA(path.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
}

class UnzipTest : public ::testing::Test {
 protected:
  int Run(const std::string& bytes, const std::string& target) {
    EXPECT_TRUE(ziptest::WriteBytes(archivePath, bytes));
    return hosted.Unzip(archivePath.c_str(), target.c_str());
  }
  int Run(const std::vector<Member>& members) { return Run(ziptest::BuildArchive(members).bytes, target); }

  ziptest::ScratchFolder scratch;
  std::string archivePath = scratch / "tool.zip";
  std::string target = scratch / "install";
  ziptest::HostedComponent hosted;
};

TEST_F(UnzipTest, PayloadShapeUnpacksWithEightEvents) {
  const std::string nested = scratch / "D\\a\\b\\Lunetra Product I";
  const auto members = PayloadShape();
  EXPECT_EQ(Run(ziptest::BuildArchive(members).bytes, nested), 1);
  EXPECT_EQ(hosted.host.events, (std::vector<int>{0, 12, 25, 37, 50, 62, 75, 87, 100}));
  for (const Member& m : members) {
    std::string path = nested + "\\" + m.name;
    for (char& c : path) c = c == '/' ? '\\' : c;
    if (m.externalAttributes == 0x10) {
      EXPECT_EQ(ziptest::KindOf(path), "folder") << m.name;
      continue;
    }
    EXPECT_EQ(ziptest::ReadBytes(path), m.data) << m.name;
    EXPECT_EQ(RestrictingAttributes(path), 0u) << m.name;
  }
  ASSERT_FALSE(hosted.host.records.empty());
  const auto& record = hosted.host.records.back();
  EXPECT_EQ(record.windowId, ziptest::HostedComponent::kWindowId);
  EXPECT_EQ(record.controlId, ziptest::HostedComponent::kControlId);
  EXPECT_EQ(record.eventNumber, 1u);
  EXPECT_EQ(record.argumentCount, 1u);
}

TEST_F(UnzipTest, PercentagesAreTruncatedInDoublePrecision) {
  std::vector<Member> members;
  for (int i = 0; i < 100; ++i) members.push_back(Member{.name = "f" + std::to_string(i), .data = "x", .method = 0});
  EXPECT_EQ(Run(members), 1);
  ASSERT_EQ(hosted.host.events.size(), 101u);
  EXPECT_EQ(hosted.host.events[29], 28);
  EXPECT_EQ(hosted.host.events[100], 100);
}

TEST_F(UnzipTest, HandlerAnsweringFalseStopsAfterTheCurrentEntry) {
  hosted.host.stopAtEvent = 0;
  EXPECT_EQ(Run(PayloadShape()), 1);
  EXPECT_EQ(hosted.host.events, std::vector<int>{0});
  EXPECT_EQ(ziptest::KindOf(target + "\\support.dll"), "file");
  EXPECT_EQ(ziptest::KindOf(target + "\\helper.exe"), "missing");
}

TEST_F(UnzipTest, AbsentTextsRaiseNothing) {
  EXPECT_EQ(hosted.Unzip(nullptr, target.c_str()), -1);
  EXPECT_EQ(hosted.Unzip(archivePath.c_str(), nullptr), -1);
  EXPECT_TRUE(hosted.host.events.empty());
  EXPECT_EQ(ziptest::KindOf(target), "missing");
}

TEST_F(UnzipTest, WithoutAHostItStillUnpacksSilently) {
  (void)zipc::ZIP压缩::Notify(zipc::ZIP压缩::kHandOverHost, nullptr);
  EXPECT_EQ(Run(PayloadShape()), 1);
  EXPECT_TRUE(hosted.host.events.empty());
  EXPECT_EQ(ziptest::KindOf(target + "\\Lunetra Product I.exe"), "file");
}

// Failures found before anything is written: one event carrying 0, and the
// target holds nothing.
TEST_F(UnzipTest, ArchivesRefusedBeforeAnythingIsWritten) {
  const Member good{.name = "good.txt", .data = "fine"};
  ziptest::Archive damagedFourth = ziptest::BuildArchive(PayloadShape());
  damagedFourth.bytes[damagedFourth.localHeaderOffsets[3] + 14] ^= 0x5A;  // local CRC-32 disagrees
  const std::string endRecordOnly = ziptest::BuildArchive({}).bytes;
  struct Case {
    const char* what;
    std::string bytes;
    int result;
  } const cases[] = {
      {"only an end record", endRecordOnly, 0},
      {"not a ZIP file", std::string(64, 'x'), 0},
      {"damaged local header of entry 3", damagedFourth.bytes, 0},
      {"parent step", ziptest::BuildArchive({good, Member{.name = "../evil.txt", .data = "x"}}).bytes, 0},
      {"parent step with backslashes", ziptest::BuildArchive({good, Member{.name = "a\\..\\..\\evil.txt", .data = "x"}}).bytes, 0},
      {"leading slash", ziptest::BuildArchive({good, Member{.name = "/evil.txt", .data = "x"}}).bytes, 0},
      {"leading backslash", ziptest::BuildArchive({good, Member{.name = "\\evil.txt", .data = "x"}}).bytes, 0},
      {"drive letter", ziptest::BuildArchive({good, Member{.name = "C:evil.txt", .data = "x"}}).bytes, 0},
      {"stream", ziptest::BuildArchive({good, Member{.name = "good.txt:hidden", .data = "x"}}).bytes, 0},
      {"device name", ziptest::BuildArchive({good, Member{.name = "dir/aux.txt", .data = "x"}}).bytes, 0},
      {"trailing dot", ziptest::BuildArchive({good, Member{.name = "evil./x", .data = "x"}}).bytes, 0},
      {"encrypted member", ziptest::BuildArchive({good, Member{.name = "secret", .data = "x", .flags = 1}}).bytes, 0},
      {"name of 260 bytes", ziptest::BuildArchive({good, Member{.name = std::string(MAX_PATH, 'n'), .data = "x"}}).bytes, 0},
      {"output path too long", ziptest::BuildArchive({good, Member{.name = std::string(240, 'p'), .data = "x"}}).bytes, 0},
      {"UTF-8 name without a GBK form",
       ziptest::BuildArchive({good, Member{.name = "\xF0\x9F\x98\x80", .data = "x", .flags = 1 << 11}}).bytes, 0},
  };
  for (const auto& c : cases) {
    hosted.host.events.clear();
    EXPECT_EQ(Run(c.bytes, target), c.result) << c.what;
    EXPECT_EQ(hosted.host.events, std::vector<int>{0}) << c.what;
    EXPECT_EQ(ziptest::KindOf(target + "\\good.txt"), "missing") << c.what;
    EXPECT_EQ(ziptest::KindOf(target + "\\support.dll"), "missing") << c.what;
    EXPECT_EQ(ziptest::KindOf(scratch / "evil.txt"), "missing") << c.what;
  }
}

TEST_F(UnzipTest, FailuresBeforeTheCountCarryZero) {
  EXPECT_EQ(hosted.Unzip((scratch / "none.zip").c_str(), target.c_str()), -1);
  EXPECT_EQ(hosted.Unzip(scratch.Path().c_str(), target.c_str()), 0) << "the archive path names a folder";
  ASSERT_TRUE(ziptest::WriteBytes(archivePath, ziptest::BuildArchive(PayloadShape()).bytes));
  EXPECT_EQ(hosted.Unzip(archivePath.c_str(), ""), 0) << "an empty target would mean the drive root";
  EXPECT_EQ(hosted.host.events, (std::vector<int>{0, 0, 0}));
}

TEST_F(UnzipTest, EmptyDirectoryAfterAValidStartSucceedsWithoutOneHundred) {
  EXPECT_EQ(Run(ziptest::EmptyDirectoryArchive({Member{.name = "a.txt", .data = "x"}}), target), 1);
  EXPECT_EQ(hosted.host.events, std::vector<int>{0});
  EXPECT_EQ(ziptest::KindOf(target + "\\a.txt"), "missing");
}

// Failures while writing: the events of the entries before it, then 100.
TEST_F(UnzipTest, FailuresWhileWritingEndWithOneHundred) {
  const Member first{.name = "first.txt", .data = "one"};
  struct Case {
    const char* what;
    Member second;
  } const cases[] = {
      {"file in a folder without a folder entry", Member{.name = "sub/f.txt", .data = "x"}},
      {"trailing slash without the folder attribute", Member{.name = "looks-like-a-folder/", .data = ""}},
      {"wrong CRC-32", Member{.name = "crc.txt", .data = "payload", .crc = 1}},
      {"data shorter than declared", Member{.name = "short.txt", .data = "payload", .uncompressedSize = 99}},
  };
  for (const auto& c : cases) {
    hosted.host.events.clear();
    EXPECT_EQ(Run({first, c.second, Member{.name = "third.txt", .data = "3"}}), 0) << c.what;
    EXPECT_EQ(hosted.host.events, (std::vector<int>{0, 100})) << c.what;
    EXPECT_EQ(ziptest::KindOf(target + "\\third.txt"), "missing") << c.what;
    ziptest::RemoveTree(target);
  }
}

TEST_F(UnzipTest, ExistingReadOnlyFileIsReplaced) {
  ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
  const std::string path = target + "\\a.txt";
  ASSERT_TRUE(ziptest::WriteBytes(path, "old contents"));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(Run({Member{.name = "a.txt", .data = "new"}}), 1);
  EXPECT_EQ(ziptest::ReadBytes(path), "new");
  EXPECT_EQ(RestrictingAttributes(path), 0u);
}

TEST_F(UnzipTest, TargetWithOrWithoutFinalBackslashGivesTheSamePaths) {
  const std::vector<Member> members = {ziptest::FolderMember("d/"), Member{.name = "d/f.txt", .data = "x"}};
  for (const std::string& given : {target, target + "\\"}) {
    hosted.host.events.clear();
    EXPECT_EQ(Run(ziptest::BuildArchive(members).bytes, given), 1) << given;
    EXPECT_EQ(ziptest::KindOf(target + "\\d\\f.txt"), "file") << given;
    EXPECT_EQ(ziptest::KindOf(target + "\\d"), "folder") << given;
    ziptest::RemoveTree(target);
  }
}

TEST_F(UnzipTest, DoubleByteNamesKeepTheirTrailBytes) {
  // Both characters end in 0x5C; neither may be split into a folder.
  const std::string trail5C = "\x81\x5C";
  const std::string dbcsTarget = scratch / ("t" + trail5C);
  const std::string folderName = "d" + trail5C;
  const std::string gbk = "\xD6\xD0\xCE\xC4";
  EXPECT_EQ(Run(ziptest::BuildArchive({ziptest::FolderMember(folderName + "/"),
                                        Member{.name = folderName + "/" + gbk + ".txt", .data = "x"},
                                        Member{.name = "\xE4\xB8\xAD\xE6\x96\x87-utf8.txt", .data = "y", .flags = 1 << 11}})
                    .bytes,
                dbcsTarget),
            1);
  EXPECT_EQ(ziptest::KindOf(dbcsTarget), "folder");
  EXPECT_EQ(ziptest::KindOf(scratch / "t\x81"), "missing");
  EXPECT_EQ(ziptest::ReadBytes(dbcsTarget + "\\" + folderName + "\\" + gbk + ".txt"), "x");
  EXPECT_EQ(ziptest::ReadBytes(dbcsTarget + "\\" + gbk + "-utf8.txt"), "y");
}

TEST_F(UnzipTest, ComponentWindowDestroyedByTheHandlerEndsTheEvents) {
  hosted.host.onEvent = [&] { DestroyWindow(hosted.parent); };
  EXPECT_EQ(Run(PayloadShape()), 1);
  EXPECT_EQ(hosted.host.events, std::vector<int>{0});
  EXPECT_EQ(hosted.host.destroyed.size(), 1u);
  EXPECT_EQ(ziptest::KindOf(target + "\\Lunetra Product I.exe"), "file") << "the extraction goes on";
}

}  // namespace
