// ZipReader: entries, result codes and writing one entry to a file.
#include <gtest/gtest.h>

#include <windows.h>

#include "archive_builder.h"
#include "scratch_folder.h"
#include "unique_resource.h"
#include "zip_reader.h"

namespace {

using ziptest::Member;

class ReaderTest : public ::testing::Test {
 protected:
  // Writes the archive and opens it; the reader is then ready.
  void Open(const std::string& bytes) {
    ASSERT_TRUE(ziptest::WriteBytes(archivePath, bytes));
    ASSERT_EQ(reader.OpenZipFile(archivePath.c_str()), zipc::kZipOk);
  }
  void Open(const std::vector<Member>& members) { Open(ziptest::BuildArchive(members).bytes); }

  ziptest::ScratchFolder scratch;
  std::string archivePath = scratch / "archive.zip";
  zipc::ZipReader reader;
};

TEST_F(ReaderTest, DescribesEntriesOfAWindowsArchive) {
  Open({Member{.name = "a.txt", .data = "hello"}, ziptest::FolderMember("dir/")});
  zipc::ZipEntry entry;
  ASSERT_EQ(reader.GetZipEntry(-1, entry), zipc::kZipOk);
  EXPECT_EQ(entry.index, 2);
  EXPECT_STREQ(entry.name, "");

  ASSERT_EQ(reader.GetZipEntry(1, entry), zipc::kZipOk);
  EXPECT_STREQ(entry.name, "dir/");
  EXPECT_EQ(entry.attributes, 0x91u);
  ASSERT_EQ(reader.GetZipEntry(0, entry), zipc::kZipOk) << "going back restarts the walk";
  EXPECT_EQ(entry.index, 0);
  EXPECT_STREQ(entry.name, "a.txt");
  EXPECT_EQ(entry.attributes, 0xA1u);
  EXPECT_EQ(entry.uncompressedSize, 5u);

  EXPECT_EQ(reader.GetZipEntry(2, entry), zipc::kZipIndexOutOfRange);
  EXPECT_EQ(reader.GetZipEntry(-2, entry), zipc::kZipIndexOutOfRange);
  EXPECT_EQ(reader.UnzipEntryToFile(2, (scratch / "x").c_str()), zipc::kZipIndexOutOfRange);
  EXPECT_EQ(reader.OpenZipFile(archivePath.c_str()), zipc::kZipAlreadyOpen);
}

TEST_F(ReaderTest, MissingArchiveCannotBeOpened) {
  EXPECT_EQ(reader.OpenZipFile((scratch / "none.zip").c_str()), zipc::kZipCannotOpenFile);
}

TEST_F(ReaderTest, FileWithoutDirectoryOpensButHasNone) {
  Open(std::string(100, 'x'));
  EXPECT_FALSE(reader.HasDirectory());
}

TEST_F(ReaderTest, EntriesThatCannotBeReadSafelyAreRefused) {
  const std::string longName(MAX_PATH, 'n');
  struct Case {
    const char* what;
    Member member;
    zipc::ZipResult expected;
  } const cases[] = {
      {"encrypted", Member{.name = "e.txt", .data = "x", .flags = 1}, zipc::kZipEncrypted},
      {"method 12", Member{.name = "b.txt", .data = "x", .method = 12}, zipc::kZipBadLocalHeader},
      {"name of 260 bytes", Member{.name = longName, .data = "x"}, zipc::kZipBadName},
      {"UTF-8 name without a GBK form", Member{.name = "\xF0\x9F\x98\x80", .data = "x", .flags = 1 << 11},
       zipc::kZipBadName},
  };
  for (const auto& c : cases) {
    zipc::ZipReader fresh;
    ASSERT_TRUE(ziptest::WriteBytes(archivePath, ziptest::BuildArchive({c.member}).bytes));
    ASSERT_EQ(fresh.OpenZipFile(archivePath.c_str()), zipc::kZipOk);
    zipc::ZipEntry entry;
    EXPECT_EQ(fresh.GetZipEntry(0, entry), c.expected) << c.what;
    fresh.CloseZipFile();
  }
}

TEST_F(ReaderTest, DamagedLocalHeadersAreRefused) {
  const std::vector<Member> members = {Member{.name = "a.txt", .data = "first"}, Member{.name = "b.txt", .data = "second"}};
  struct Case {
    const char* what;
    std::size_t fieldOffset;  // within the second local header
    char value;
    zipc::ZipResult expected;
  } const cases[] = {
      {"signature", 0, 'X', zipc::kZipBadLocalHeader},
      {"method", 8, 0, zipc::kZipBadLocalHeader},
      {"CRC-32", 14, 0x55, zipc::kZipBadLocalHeader},
      {"name length", 26, 9, zipc::kZipBadLocalHeader},
      {"extra length beyond the file", 29, static_cast<char>(0xFF), zipc::kZipBadExtraField},
  };
  for (const auto& c : cases) {
    ziptest::Archive archive = ziptest::BuildArchive(members);
    archive.bytes[archive.localHeaderOffsets[1] + c.fieldOffset] = c.value;
    zipc::ZipReader fresh;
    ASSERT_TRUE(ziptest::WriteBytes(archivePath, archive.bytes));
    ASSERT_EQ(fresh.OpenZipFile(archivePath.c_str()), zipc::kZipOk);
    zipc::ZipEntry entry;
    EXPECT_EQ(fresh.GetZipEntry(0, entry), zipc::kZipOk) << c.what;
    EXPECT_EQ(fresh.GetZipEntry(1, entry), c.expected) << c.what;
    fresh.CloseZipFile();
  }
}

TEST_F(ReaderTest, Utf8NamesArriveInTheAnsiCodePage) {
  Open({Member{.name = "\xE4\xB8\xAD\xE6\x96\x87.txt", .data = "x", .flags = 1 << 11},
        Member{.name = "\xD6\xD0\xCE\xC4.txt", .data = "y"}});
  zipc::ZipEntry entry;
  ASSERT_EQ(reader.GetZipEntry(0, entry), zipc::kZipOk);
  EXPECT_STREQ(entry.name, "\xD6\xD0\xCE\xC4.txt");
  ASSERT_EQ(reader.GetZipEntry(1, entry), zipc::kZipOk);
  EXPECT_STREQ(entry.name, "\xD6\xD0\xCE\xC4.txt") << "names without the flag are taken as they stand";
}

TEST_F(ReaderTest, WritesStoredAndDeflatedDataWithItsTimes) {
  std::string big;
  for (int i = 0; big.size() < 100000; ++i) big += std::to_string(i * 7919) + ",";
  Open({Member{.name = "big.txt", .data = big, .localExtra = ziptest::ExtendedTimestamp(1, {1700000000})},
        Member{.name = "stored.bin", .data = std::string("\0\1\2", 3), .method = 0}});
  const std::string out = scratch / "big.txt";
  ASSERT_EQ(reader.UnzipEntryToFile(0, out.c_str()), zipc::kZipOk);
  EXPECT_EQ(ziptest::ReadBytes(out), big);
  EXPECT_EQ(GetFileAttributesA(out.c_str()) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExA(out.c_str(), GetFileExInfoStandard, &data));
  const uint64_t written = static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
  EXPECT_EQ(written, 1700000000ull * 10000000 + 116444736000000000ull);

  const std::string stored = scratch / "stored.bin";
  ASSERT_EQ(reader.UnzipEntryToFile(1, stored.c_str()), zipc::kZipOk);
  EXPECT_EQ(ziptest::ReadBytes(stored), std::string("\0\1\2", 3));
}

TEST_F(ReaderTest, MembersMustMatchTheirCrcAndDeclaredSize) {
  const std::string data(50000, 'z');
  struct Case {
    const char* what;
    Member member;
    std::size_t maxWritten;
  } const cases[] = {
      {"wrong CRC-32", Member{.name = "f", .data = data, .crc = 0x12345678}, data.size()},
      {"data shorter than declared", Member{.name = "f", .data = data, .uncompressedSize = 60000}, data.size()},
      {"data longer than declared", Member{.name = "f", .data = data, .uncompressedSize = 1000}, 1000},
      {"stored data longer than declared", Member{.name = "f", .data = data, .method = 0, .uncompressedSize = 1000},
       1000},
  };
  for (const auto& c : cases) {
    zipc::ZipReader fresh;
    ASSERT_TRUE(ziptest::WriteBytes(archivePath, ziptest::BuildArchive({c.member}).bytes));
    ASSERT_EQ(fresh.OpenZipFile(archivePath.c_str()), zipc::kZipOk);
    const std::string out = scratch / c.what;
    EXPECT_EQ(fresh.UnzipEntryToFile(0, out.c_str()), zipc::kZipCopyFailed) << c.what;
    EXPECT_LE(ziptest::ReadBytes(out).size(), c.maxWritten) << c.what;
    fresh.CloseZipFile();
  }
}

TEST_F(ReaderTest, OutputFolders) {
  Open({Member{.name = "f.txt", .data = "x"}});
  EXPECT_EQ(reader.UnzipEntryToFile(0, (scratch / "missing\\f.txt").c_str()), zipc::kZipCannotOpenFile)
      << "an absolute path makes no folder";
  EXPECT_EQ(ziptest::KindOf(scratch / "missing"), "missing");

  const std::string readOnly = scratch / "ro.txt";
  ASSERT_TRUE(ziptest::WriteBytes(readOnly, "old"));
  ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(reader.UnzipEntryToFile(0, (scratch / std::string(MAX_PATH, 'l')).c_str()), zipc::kZipCannotOpenFile);
  // Wine run by root may write read-only files; the refusal is the system's.
  const zipc::UniqueHandle probe(CreateFileA(readOnly.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  if (probe) GTEST_SKIP() << "this system lets read-only files be replaced";
  EXPECT_EQ(reader.UnzipEntryToFile(0, readOnly.c_str()), zipc::kZipCannotOpenFile);
}

TEST_F(ReaderTest, RelativeOutputPathsGetTheirFoldersBelowTheCurrentFolder) {
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(scratch.Path().c_str()));
  Open({Member{.name = "f.txt", .data = "x"}});
  EXPECT_EQ(reader.UnzipEntryToFile(0, "out\\sub\\f.txt"), zipc::kZipOk);
  reader.CloseZipFile();
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(ziptest::KindOf(scratch / "out\\sub\\f.txt"), "file");
}

}  // namespace
