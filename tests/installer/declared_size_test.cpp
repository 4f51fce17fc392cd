// The declared total read from an archive's central directory, the
// overlapping-entry bomb included.
#include <gtest/gtest.h>

#include "archive_builder.h"
#include "declared_size.h"
#include "scratch_folder.h"

namespace {

using ziptest::Member;

class DeclaredSizeTest : public ::testing::Test {
 protected:
  int64_t TotalOf(const std::string& bytes) {
    EXPECT_TRUE(ziptest::WriteBytes(path, bytes));
    return zipc::DeclaredUncompressedTotal(path.c_str());
  }
  ziptest::ScratchFolder scratch;
  std::string path = scratch / "archive.zip";
};

TEST_F(DeclaredSizeTest, SumsEveryCentralRecord) {
  const std::string big(100000, 'z');
  EXPECT_EQ(TotalOf(ziptest::BuildArchive({Member{.name = "a.txt", .data = "hello"}, ziptest::FolderMember("d/"),
                                           Member{.name = "d/big.bin", .data = big}})
                        .bytes),
            5 + 100000);
  // What the records declare counts, not what the data would give.
  EXPECT_EQ(TotalOf(ziptest::BuildArchive({Member{.name = "x", .data = "abc", .uncompressedSize = 4000000000u},
                                           Member{.name = "y", .data = "abc", .uncompressedSize = 4000000000u}})
                        .bytes),
            int64_t{8000000000});
  EXPECT_EQ(TotalOf(ziptest::EmptyDirectoryArchive({Member{.name = "a.txt", .data = "hello"}})), 0);
}

TEST_F(DeclaredSizeTest, OverlappingEntryBombDeclaresEveryCopy) {
  const Member megabyte{.name = "zeros.bin", .data = std::string(1048576, '\0')};
  const std::string bomb = ziptest::OverlappingBomb(megabyte, 5000);
  ASSERT_LT(bomb.size(), 1048576u) << "the bomb is small on disk";
  EXPECT_EQ(TotalOf(bomb), int64_t{5000} * 1048576);
}

TEST_F(DeclaredSizeTest, UnreadableArchivesGiveMinusOne) {
  const std::string valid = ziptest::BuildArchive({Member{.name = "a.txt", .data = "hello"}}).bytes;
  const std::string cases[] = {
      "",                                   // empty file
      "PK\x03\x04 not an archive at all",   // no end record
      valid.substr(0, valid.size() - 10),   // end record cut short
  };
  for (const std::string& bytes : cases) EXPECT_EQ(TotalOf(bytes), -1) << bytes.size() << " bytes";
  EXPECT_EQ(zipc::DeclaredUncompressedTotal((scratch / "missing.zip").c_str()), -1);
  EXPECT_EQ(zipc::DeclaredUncompressedTotal(scratch.Path().c_str()), -1) << "a folder";
}

}  // namespace
