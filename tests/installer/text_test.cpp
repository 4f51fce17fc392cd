// The runtime's text services: the splitting rule, trimming, the trailing
// backslash, and the array numbered from 1.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/lifecycle.h"
#include "runtime/text.h"

namespace {

std::vector<std::string> Fields(std::string_view text) {
  const rt::TextArray array = rt::SplitText(text, '|');
  std::vector<std::string> fields;
  for (int32_t i = 1; i <= array.Count(); ++i) fields.push_back(array.At(i));
  return fields;
}

struct SplitCase {
  const char* text;
  std::vector<std::string> fields;
};

TEST(SplittingRule, FieldsBetweenSeparators) {
  // "\x81|" is one double-byte character whose second byte is the separator's byte.
  const SplitCase cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A|B|C", {"A", "B", "C"}},
      {"A|B|", {"A", "B"}},
      {"|A", {"", "A"}},
      {"A||B", {"A", "", "B"}},
      {"|", {""}},
      {"||", {"", ""}},
      {"\x81|\x81|", {"\x81|\x81|"}},
      {"\x81||B", {"\x81|", "B"}},
      {"软件|产品", {"软件", "产品"}},
      {"A|\x81", {"A", "\x81"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(Fields(c.text), c.fields) << "text: " << c.text;
}

TEST(SplittingRule, ShippedListGivesSixteenNames) {
  const std::vector<std::string> fields = Fields(
      "Lunetra Product A|Lunetra Product B|Lunetra Product C|Lunetra Product D|Lunetra Product E|"
      "Lunetra Product F|Lunetra Product G|Lunetra Product H|Lunetra Product I|Lunetra Product J|"
      "Lunetra Product K|Lunetra Product L|Lunetra Product M|Lunetra Product N|Lunetra Product O|"
      "Lunetra Product P");
  ASSERT_EQ(fields.size(), 16u);
  EXPECT_EQ(fields[8], "Lunetra Product I");
  EXPECT_EQ(fields[15], "Lunetra Product P");
}

TEST(TextServices, TrimRemovesAsciiAndFullWidthSpacesOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"   ", ""},
      {"  D:\\Apps  ", "D:\\Apps"},
      {"\xA1\xA1 软件 \xA1\xA1", "软件"},
      {"\tA\t", "\tA\t"},
      // The second byte of "\xB0\xA1" and a following "\xA1" are no full-width space.
      {"\xB0\xA1\xA1", "\xB0\xA1\xA1"},
      {"\xB0\xA1\xA1\xA1", "\xB0\xA1"},
  };
  for (const auto& [text, trimmed] : cases) EXPECT_EQ(rt::TrimSpaces(text), trimmed) << "text: " << text;
}

TEST(TextServices, TrailingBackslashAddedOnlyWhenMissing) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Temp\\", "C:\\Temp\\"},
      {"C:\\Temp", "C:\\Temp\\"},
      {"", "\\"},
      // A double-byte character ending in byte 0x5C is no backslash.
      {"C:\\\x81\\", "C:\\\x81\\\\"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(rt::WithTrailingBackslash(text), expected) << text;
}

TEST(TextServices, FolderOfPathKeepsItsLastBackslash) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Downloads\\installer.exe", "C:\\Downloads\\"},
      {"C:\\installer.exe", "C:\\"},
      {"installer.exe", ""},
      // The second byte 0x5C of a double-byte character is no separator.
      {"C:\\\x81\\x.exe", "C:\\"},
      {"C:\\软件\\a.exe", "C:\\软件\\"},
  };
  for (const auto& [path, folder] : cases) EXPECT_EQ(rt::FolderOfPath(path), folder) << path;
}

void ReportToStderr(int32_t code, const char* message) noexcept { std::fprintf(stderr, "fatal %d: %s\n", code, message); }

TEST(TextArrayDeathTest, ReadingOutsideTheElementsIsFatal) {
  rt::ReplaceFatalErrorReporter(ReportToStderr);
  const rt::TextArray array = rt::SplitText("A|B", '|');
  EXPECT_EQ(array.At(2), "B");
  EXPECT_EXIT(std::ignore = array.At(0), testing::ExitedWithCode(-1), "fatal 9");
  EXPECT_EXIT(std::ignore = array.At(3), testing::ExitedWithCode(-1), "fatal 9");
}

}  // namespace
