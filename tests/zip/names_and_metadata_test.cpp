// Path scanning, entry-name safety, attributes and time stamps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ansi_path.h"
#include "archive_builder.h"
#include "entry_metadata.h"
#include "entry_name.h"

namespace {

// A GBK character whose trail byte is 0x5C, the code of "\".
const std::string kTrail5C = "\x81\x5C";

TEST(AnsiPath, TrailingBackslashCountsCharactersNotBytes) {
  struct Case {
    std::string text, expected;
  } const cases[] = {
      {"C:\\a", "C:\\a\\"},
      {"C:\\a\\", "C:\\a\\"},
      {"", "\\"},
      {"C:\\" + kTrail5C, "C:\\" + kTrail5C + "\\"},
      {"C:\\" + kTrail5C + "\\", "C:\\" + kTrail5C + "\\"},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    zipc::EnsureTrailingBackslash(text);
    EXPECT_EQ(text, c.expected) << c.text;
  }
}

TEST(AnsiPath, SeparatorsInsideDoubleByteCharactersAreNotSeparators) {
  EXPECT_EQ(zipc::LastSeparator("a\\" + kTrail5C), 1u);
  EXPECT_EQ(zipc::LastSeparator(kTrail5C + kTrail5C), std::string::npos);
  EXPECT_EQ(zipc::LastSeparator("a/b\\c"), 3u);
  std::string path = "T\\";
  zipc::AppendWithBackslashes(path, "d/" + kTrail5C + "/f");
  EXPECT_EQ(path, "T\\d\\" + kTrail5C + "\\f");
}

TEST(EntryName, SafeNames) {
  for (const std::string& name : std::vector<std::string>{"a.txt", "dir/", "dir/sub/f.bin", "\xD6\xD0\xCE\xC4/x.txt", kTrail5C + "/f",
                                 "CONSOLE.txt", "COM0", "LPT10", "a..b", ".hidden", "dir/COM1x"}) {
    EXPECT_TRUE(zipc::IsSafeEntryName(name)) << name;
  }
}

TEST(EntryName, NamesThatLeaveTheFolderOrNameDevicesAreRefused) {
  for (const std::string& name : std::vector<std::string>
       {"", "../x", "a/../b", "..\\x", "a\\..\\..\\b", "..", "/abs", "\\abs", "C:x", "C:/x", "a:b", "f.txt:stream",
        "CON", "con.txt", "dir/NUL", "Nul.tar.gz", "AUX", "prn", "LPT1.log", "COM9", "com1 .txt", "a./b", "a /b",
        "trailing.", "trailing ", "dir/./f", "a//b", "license.tx\xD6", "a\xFF\x30.txt"}) {
    EXPECT_FALSE(zipc::IsSafeEntryName(name)) << name;
  }
}

TEST(EntryName, Utf8NamesBecomeAnsiOrAreRefused) {
  std::string ansi;
  ASSERT_TRUE(zipc::Utf8ToAnsi("\xE4\xB8\xAD\xE6\x96\x87.txt", ansi));
  EXPECT_EQ(ansi, "\xD6\xD0\xCE\xC4.txt");
  EXPECT_FALSE(zipc::Utf8ToAnsi("\xF0\x9F\x98\x80.txt", ansi)) << "an emoji has no GBK form";
  EXPECT_FALSE(zipc::Utf8ToAnsi("\xC3\x28", ansi)) << "not UTF-8";
}

TEST(EntryMetadata, AttributesFromExternalAttributes) {
  struct Case {
    uint32_t external, expected;
  } const cases[] = {
      {0x20, 0xA1},                 // MS-DOS file with the archive bit
      {0x10, 0x91},                 // MS-DOS folder
      {0x00, 0x81},                 // MS-DOS file, no bits
      {0x27, 0xA7},                 // archive, hidden, system, read-only
      {0x81A40000, 0x80},           // Unix 0100644: owner may write
      {0x81240000, 0x81},           // Unix 0100444
      {0x41ED0000, 0x90},           // Unix folder 040755, as bsdtar writes it (no 0x10)
      {0x41ED0010, 0x90},           // Unix folder as Info-ZIP writes it
      {0x81A40001, 0x81},           // owner may write but DOS read-only bit set
  };
  for (const auto& c : cases) EXPECT_EQ(zipc::AttributesFromExternal(c.external), c.expected) << std::hex << c.external;
}

uint64_t Ticks(const FILETIME& t) { return static_cast<uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime; }
uint64_t UnixTicks(int64_t seconds) { return static_cast<uint64_t>(seconds * 10000000 + 116444736000000000LL); }

TEST(EntryMetadata, DosTimeIsTakenAsItStands) {
  zipc::ZipEntry entry;
  zipc::SetTimesFromDos(0x5A2B6000, entry);  // 2025-01-11 12:00:00
  SYSTEMTIME expected{2025, 1, 0, 11, 12, 0, 0, 0};
  FILETIME expectedTime;
  ASSERT_TRUE(SystemTimeToFileTime(&expected, &expectedTime));
  EXPECT_EQ(Ticks(entry.lastWriteTime), Ticks(expectedTime));
  EXPECT_EQ(Ticks(entry.creationTime), Ticks(expectedTime));
  EXPECT_EQ(Ticks(entry.lastAccessTime), Ticks(expectedTime));
}

TEST(EntryMetadata, ExtendedTimestampReplacesTheAnnouncedTimes) {
  constexpr int32_t kWrite = 1700000000, kAccess = 1700000100, kCreate = 1700000200;
  const uint64_t dos = 42;
  struct Case {
    const char* what;
    std::string field;
    uint64_t write, access, creation;
  } const cases[] = {
      {"flags 1: write time only", ziptest::ExtendedTimestamp(1, {kWrite}), UnixTicks(kWrite), dos, dos},
      {"all three", ziptest::ExtendedTimestamp(7, {kWrite, kAccess, kCreate}), UnixTicks(kWrite), UnixTicks(kAccess),
       UnixTicks(kCreate)},
      {"after a 300-byte block of another kind", ziptest::ExtraBlock(0x000A, 300) + ziptest::ExtendedTimestamp(1, {kWrite}),
       UnixTicks(kWrite), dos, dos},
      {"block shorter than its flags announce", ziptest::ExtendedTimestamp(7, {kWrite}), UnixTicks(kWrite), dos, dos},
      {"no time stamp block", ziptest::ExtraBlock(0x7075, 12), dos, dos, dos},
      {"only the first 0x5455 block counts",
       ziptest::ExtendedTimestamp(1, {kWrite}) + ziptest::ExtendedTimestamp(1, {kCreate}), UnixTicks(kWrite), dos, dos},
  };
  for (const auto& c : cases) {
    zipc::ZipEntry entry;
    entry.lastWriteTime = entry.lastAccessTime = entry.creationTime = FILETIME{static_cast<DWORD>(dos), 0};
    zipc::ApplyExtendedTimestamp(
        std::span(reinterpret_cast<const unsigned char*>(c.field.data()), c.field.size()), entry);
    EXPECT_EQ(Ticks(entry.lastWriteTime), c.write) << c.what;
    EXPECT_EQ(Ticks(entry.lastAccessTime), c.access) << c.what;
    EXPECT_EQ(Ticks(entry.creationTime), c.creation) << c.what;
  }
}

}  // namespace
