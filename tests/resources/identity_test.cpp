// The identity that installer_identity links into a program, read back from
// this test's own executable the way Explorer and the loader read it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> OwnVersionInfo() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  std::vector<unsigned char> block(GetFileVersionInfoSizeW(path, &ignored));
  if (block.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(block.size()), block.data())) {
    block.clear();
  }
  return block;
}

std::wstring StringField(std::vector<unsigned char>& block, const wchar_t* name) {
  const std::wstring query = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) return L"<missing>";
  return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(ProgramIdentity, VersionIsSixAndEveryTextFieldReadsInstaller) {
  std::vector<unsigned char> block = OwnVersionInfo();
  ASSERT_FALSE(block.empty());

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00060000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00060000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  const DWORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(const_cast<DWORD**>(&translation)), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(LOWORD(*translation), 0x0804) << "Chinese (PRC)";
  EXPECT_EQ(HIWORD(*translation), 1200) << "Unicode strings";

  // "安装程序", compared as UTF-16 so that no code page stands between.
  const std::wstring installer = L"\x5b89\x88c5\x7a0b\x5e8f";
  for (const wchar_t* field : {L"FileDescription", L"ProductName", L"CompanyName", L"LegalCopyright", L"Comments"}) {
    EXPECT_EQ(StringField(block, field), installer) << "field " << std::string(field, field + wcslen(field));
  }
  EXPECT_EQ(StringField(block, L"FileVersion"), L"6.0.0.0");
  EXPECT_EQ(StringField(block, L"ProductVersion"), L"6.0.0.0");
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colourCount, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ProgramIdentity, DefaultIconHasEightSizesOf32BitColour) {
  const HRSRC group = FindResourceA(nullptr, "DEFAULT_ICON", MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
  ASSERT_NE(group, nullptr);
  const auto* header = static_cast<const WORD*>(LockResource(LoadResource(nullptr, group)));
  ASSERT_EQ(header[1], 1) << "an icon group";
  const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 3);
  std::set<int> sides;
  for (WORD i = 0; i < header[2]; ++i) {
    sides.insert(entries[i].width);
    EXPECT_EQ(entries[i].bitCount, 32) << "image of " << int{entries[i].width} << " pixels";
    EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(entries[i].id), MAKEINTRESOURCEA(3) /* RT_ICON */), nullptr);
  }
  EXPECT_EQ(sides, (std::set<int>{128, 96, 72, 64, 48, 32, 24, 16}));

  const HICON large = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, 32, 32, 0));
  EXPECT_NE(large, nullptr) << "the system can make an icon of it";
  if (large != nullptr) DestroyIcon(large);
}

TEST(ProgramIdentity, ManifestAsksForNoElevationAndCommonControlsSix) {
  const HRSRC manifest = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(nullptr, manifest))),
                         SizeofResource(nullptr, manifest));
  EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  for (const char* os : {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                         "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                         "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
    EXPECT_NE(text.find(os), std::string::npos) << os;
  }
}

}  // namespace
