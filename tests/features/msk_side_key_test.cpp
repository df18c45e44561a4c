#include <gtest/gtest.h>

#include <random>

#include "features/msk_fields.h"
#include "features/side_key_fields.h"

namespace radio {
namespace {

TEST(MskSettings, FieldsLieInTheFirstSixteenBytesOfBlocks200To202) {
  const std::size_t expected[] = {0x12C0, 0x12C4, 0x12C8, 0x12CC, 0x12D8,
                                  0x12DC, 0x12E0, 0x12E4, 0x12F0, 0x12F4};
  for (int i = 0; i <= kMskCallListSize; ++i) EXPECT_EQ(MskFieldOffset(i), expected[i]) << i;
}

TEST(MskSettings, StoreWritesOnlyTheFortyIdBytes) {
  RadioImage image;
  image.fill(0x5A);
  MskSettings v;
  v.idCode = "1A";
  v.callList[3] = "BEEF";  // entry 4
  v.callList[8] = "9";
  StoreMskSettings(v, image);

  EXPECT_EQ(image[0x12D8], 'B');
  EXPECT_EQ(image[0x12DB], 'F') << "four characters fill the field, no 0xFF";
  for (std::size_t o = 0x12D0; o <= 0x12D7; ++o) EXPECT_EQ(image[o], 0x5A) << o;
  for (std::size_t o = 0x12E8; o <= 0x12EF; ++o) EXPECT_EQ(image[o], 0x5A) << o;
  EXPECT_EQ(image[0x12C4], 0xFF) << "an empty entry writes four 0xFF";
  EXPECT_EQ(image[0x12C7], 0xFF);
  std::size_t touched = 0;
  for (std::size_t o = 0; o < kImageSize; ++o) touched += image[o] != 0x5A;
  EXPECT_EQ(touched, 40u);
  EXPECT_EQ(LoadMskSettings(image), v);
}

TEST(MskSettings, LoadStopsAtFFOrZeroAndRoundTripsAnyBytes) {
  RadioImage image;
  image.fill(0xFF);
  image[0x12C0] = 0x31, image[0x12C1] = 0x41;
  EXPECT_EQ(LoadMskSettings(image).idCode, "1A");
  image[0x12F4] = '7', image[0x12F5] = 0x00, image[0x12F6] = '8';
  EXPECT_EQ(LoadMskSettings(image).callList[8], "7");

  // Whatever the bytes, load-then-OK leaves everything outside the fields alone
  // and a second pass changes nothing.
  std::mt19937 rng(4242);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 300; ++round) {
    RadioImage before;
    for (auto& b : before) b = static_cast<std::uint8_t>(byte(rng));
    RadioImage after = before;
    StoreMskSettings(LoadMskSettings(before), after);
    for (std::size_t o = 0; o < kImageSize; ++o) {
      const bool inField = o >= 0x12C0 && o < 0x1308 && (o - 0x12C0) % 24 < 16;
      if (!inField) {
        ASSERT_EQ(after[o], before[o]) << "round " << round << " offset " << o;
      }
    }
    RadioImage again = after;
    StoreMskSettings(LoadMskSettings(after), again);
    ASSERT_EQ(again, after);
  }
}

TEST(SideKey, PositionIsThreeMinusTheStoredCodeAndOtherBitsStay) {
  RadioImage image;
  image.fill(0);
  image[kSideKeyOffset] = 0xFF;
  EXPECT_EQ(LoadSideKeyPosition(image), 0) << "Option Singalling Call";
  StoreSideKeyPosition(3, image);  // Squelch Off Momentary
  EXPECT_EQ(image[kSideKeyOffset], 0xFC);

  image[kSideKeyOffset] = 0x02;
  EXPECT_EQ(LoadSideKeyPosition(image), 1) << "Emergency Call";
  StoreSideKeyPosition(1, image);
  EXPECT_EQ(image[kSideKeyOffset], 0x02);

  image[kSideKeyOffset] = 0xA4;
  StoreSideKeyPosition(2, image);  // Send 1750Hz
  EXPECT_EQ(image[kSideKeyOffset], 0xA5);
  StoreSideKeyPosition(-1, image);
  EXPECT_EQ(image[kSideKeyOffset], 0xA5) << "no choice leaves the byte";
  for (std::size_t o = 0; o < kImageSize; ++o)
    if (o != kSideKeyOffset) {
      ASSERT_EQ(image[o], 0) << o;
    }
}

}  // namespace
}  // namespace radio
