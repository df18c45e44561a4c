#include "image/band_limits.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

TEST(BandLimits, DecodesAndEncodesTheNibblePacking) {
  const BandLimitBytes block = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};
  const BandLimits l = DecodeBandLimits(block);
  EXPECT_EQ(l.lower1, 13400000);
  EXPECT_EQ(l.upper1, 17600000);
  EXPECT_EQ(l.lower2, 40000000);
  EXPECT_EQ(l.upper2, 48000000);
  EXPECT_EQ(EncodeBandLimits(l), block);
  EXPECT_EQ(EncodeBandLimits({33000000, 40000000, 33000000, 40000000}), kDefaultBandLimitBytes);
}

TEST(BandLimits, AllFFBlockGives1665MHzEverywhere) {
  BandLimitBytes ff;
  ff.fill(0xFF);
  const BandLimits l = DecodeBandLimits(ff);
  for (auto v : {l.lower1, l.upper1, l.lower2, l.upper2}) EXPECT_EQ(v, 166500000);
  EXPECT_FALSE(l.Contains(14500000));
}

TEST(BandLimits, ContainsIncludesBothEnds) {
  const BandLimits l;
  EXPECT_TRUE(l.Contains(13400000));
  EXPECT_TRUE(l.Contains(17600000));
  EXPECT_TRUE(l.Contains(48000000));
  EXPECT_FALSE(l.Contains(13399999));
  EXPECT_FALSE(l.Contains(30000000));
}

TEST(BandState, RefreshTakesLimitsRawAndBytesNormalised) {
  BandLimitBytes process = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};
  RadioImage image = MakeNewImage(process);
  WriteBandLimitBlock(image, BandLimitBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  BandState s;
  s.RefreshFromImage(image);
  EXPECT_EQ(s.limits.lower1, 166500000);
  EXPECT_EQ(s.bytes, kDefaultBandLimitBytes);

  s.Confirm({33000000, 40000000, 33000000, 40000000}, image);
  EXPECT_EQ(ReadBandLimitBlock(image), kDefaultBandLimitBytes);
  EXPECT_EQ(s.bytes, kDefaultBandLimitBytes);
}

}  // namespace
}  // namespace radio
