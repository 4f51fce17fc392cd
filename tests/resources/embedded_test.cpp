// The byte-array constants as the installer sees them: each record must hold
// exactly the bytes of its file, so a count that is off by anything shows as a
// picture or archive that does not end where its format says it ends.
#include "embedded.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }
uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

struct Jpeg {
  const char* name;
  const ByteArrayConstant& constant;
};

TEST(EmbeddedConstants, EachPictureIsOneWholeJpegFile) {
  for (const Jpeg& picture : {Jpeg{"install normal", ArtInstallNormal}, Jpeg{"install hot", ArtInstallHot},
                              Jpeg{"done", InstallDonePicture}, Jpeg{"emblem", ArtEmblem},
                              Jpeg{"second emblem", ArtEmblem2}, Jpeg{"close normal", ArtCloseNormal},
                              Jpeg{"close hot", ArtCloseHot}, Jpeg{"close pressed", ArtClosePressed}}) {
    SCOPED_TRACE(picture.name);
    EXPECT_EQ(picture.constant.dimensionCount, 1);
    const auto bytes = BytesOf(picture.constant);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xFF);  // start of image
    EXPECT_EQ(bytes[1], 0xD8);
    EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);  // end of image: the count stops right after it
    EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);
  }
}

TEST(EmbeddedConstants, BrandIconIsOne48PixelImageFillingTheRecord) {
  EXPECT_EQ(ArtBrandIcon.dimensionCount, 1);
  const auto bytes = BytesOf(ArtBrandIcon);
  ASSERT_GE(bytes.size(), 22u);
  EXPECT_EQ(Le16(&bytes[0]), 0);
  EXPECT_EQ(Le16(&bytes[2]), 1) << "an icon file";
  ASSERT_EQ(Le16(&bytes[4]), 1) << "one image";
  EXPECT_EQ(bytes[6], 48);
  EXPECT_EQ(bytes[7], 48);
  EXPECT_EQ(Le16(&bytes[12]), 32) << "bits per pixel";
  EXPECT_EQ(Le32(&bytes[18]) + Le32(&bytes[14]), bytes.size()) << "the image ends the record";
}

TEST(EmbeddedConstants, PayloadIsOneWholeArchiveWithTheProductLast) {
  EXPECT_EQ(InstallPayload.dimensionCount, 1);
  const auto bytes = BytesOf(InstallPayload);
  ASSERT_GE(bytes.size(), 22u + 30u);
  EXPECT_EQ(Le32(&bytes[0]), 0x04034B50u) << "a local header first";
  const unsigned char* end = &bytes[bytes.size() - 22];
  ASSERT_EQ(Le32(end), 0x06054B50u) << "the end record closes the count";
  const uint32_t directorySize = Le32(end + 12);
  const uint32_t directoryOffset = Le32(end + 16);
  EXPECT_EQ(directoryOffset + directorySize + 22, bytes.size());
  EXPECT_EQ(Le16(end + 8), 8) << "entries";
}

}  // namespace
