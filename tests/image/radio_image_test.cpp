#include "image/radio_image.h"

#include <gtest/gtest.h>

#include <map>

namespace radio {
namespace {

TEST(AddressMapping, FollowsLowerAndUpperTransferAreas) {
  EXPECT_EQ(ImageOffsetOfRadioAddress(0x0000), 0x0000u);
  EXPECT_EQ(ImageOffsetOfRadioAddress(0x0C2F), 0x0C2Fu);
  EXPECT_EQ(ImageOffsetOfRadioAddress(0x0C30), 0x1248u);  // block 195, byte 0
  EXPECT_EQ(ImageOffsetOfRadioAddress(0x0C73), 0x12ABu);
  EXPECT_EQ(ImageOffsetOfRadioAddress(0x0FD1), 0x17B9u);
  EXPECT_EQ(ImageOffsetOfRadioAddress(0x0FE2), 0x17D2u);
  EXPECT_EQ(ImageOffsetOfRadioAddress(0x0FF6), 0x17EEu);
  EXPECT_EQ(ImageOffsetOfRadioAddress(0x0FFF), 0x17F7u);
  EXPECT_FALSE(ImageOffsetOfRadioAddress(0x1000));

  EXPECT_EQ(RadioAddressOfImageOffset(0x12AB), 0x0C73u);
  EXPECT_EQ(RadioAddressOfImageOffset(0x17B9), 0x0FD1u);
  EXPECT_FALSE(RadioAddressOfImageOffset(0x0C30));  // untransferred area
  EXPECT_FALSE(RadioAddressOfImageOffset(0x1247));
  EXPECT_FALSE(RadioAddressOfImageOffset(BlockOffset(195, 16)));  // bytes 16-23
  EXPECT_FALSE(RadioAddressOfImageOffset(kImageSize));
}

TEST(AddressMapping, IsOneToOneOverTheWholeRadioMemory) {
  std::map<std::size_t, std::size_t> seen;
  for (std::size_t a = 0; a < kRadioMemorySize; ++a) {
    auto off = ImageOffsetOfRadioAddress(a);
    ASSERT_TRUE(off);
    EXPECT_TRUE(seen.emplace(*off, a).second) << "two addresses share offset " << *off;
    EXPECT_EQ(RadioAddressOfImageOffset(*off), a);
  }
  std::size_t mapped = 0;
  for (std::size_t o = 0; o < kImageSize; ++o) mapped += RadioAddressOfImageOffset(o) ? 1 : 0;
  EXPECT_EQ(mapped, kRadioMemorySize);
}

// Every byte of a new image against the listed defaults.
TEST(NewImage, EveryByteMatchesTheDefaults) {
  BandLimitBytes band = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};
  const RadioImage image = MakeNewImage(band);
  std::map<std::size_t, std::uint8_t> expected = {
      {0x1260, 0x01}, {0x1261, 0x04}, {0x1262, 0x00}, {0x1263, 0x00}, {0x1264, 0x00},
      {0x1265, 0xBE}, {0x1266, 0x13}, {0x1267, 0x7A}, {0x1268, 0x00}, {0x1269, 0x00},
      {0x12A8, 0xFD}, {0x12A9, 0x00}, {0x12AB, 0x01}, {0x1308, 0x00}, {0x1309, 0x04},
      {0x130A, 0x00}, {0x130B, 0x00}, {0x130D, 0x01}, {0x132F, 0x41}, {0x1347, 0x00},
      {0x17D1, 0x01}, {0x17EE, 0x29}, {0x17EF, 0x27}, {0x17F0, 0x22}, {0x17F1, 0x1E},
      {0x1620, 0x05}, {0x1621, 0x05}, {0x1622, 0x0A}, {0x1623, 0x00}, {0x1624, 0x14},
      {0x1625, 0x00}, {0x1626, 0x02}, {0x1627, 0x00},
  };
  for (std::size_t i = 0; i < 6; ++i) expected[0x17E8 + i] = band[i];
  const std::uint8_t code[4] = {0x4E, 0x20, 0x27, 0x10};
  for (std::size_t e = 0; e < 32; ++e)
    for (std::size_t i = 0; i < 4; ++i) expected[0x1500 + 24 * (e / 4) + 4 * (e % 4) + i] = code[i];
  const std::uint8_t slot[8] = {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05};
  for (std::size_t e = 0; e < 8; ++e)
    for (std::size_t i = 0; i < 8; ++i) expected[0x15C0 + 24 * (e / 2) + 8 * (e % 2) + i] = slot[i];

  for (std::size_t o = 0; o < kImageSize; ++o) {
    const auto it = expected.find(o);
    const std::uint8_t want = it == expected.end() ? 0xFF : it->second;
    ASSERT_EQ(image[o], want) << "offset 0x" << std::hex << o;
  }
  // The 2-Tone defaults use bytes 0-15 of their blocks only.
  EXPECT_EQ(image[0x1500 + 16], 0xFF);
  EXPECT_EQ(image[0x1518], 0x4E);
  EXPECT_EQ(image[0x15D8], 0x4E);
}

TEST(NewImage, NormalisesTheProcessWideBandBytes) {
  for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
    BandLimitBytes band;
    band.fill(fill);
    const RadioImage image = MakeNewImage(band);
    EXPECT_EQ(band, kDefaultBandLimitBytes);
    EXPECT_TRUE(std::equal(band.begin(), band.end(), image.begin() + kBandLimitOffset));
  }
  BandLimitBytes mixed = {0x00, 0x00, 0x00, 0x00, 0x00, 0x01};
  MakeNewImage(mixed);
  EXPECT_EQ(mixed[5], 0x01) << "only all-0x00 or all-0xFF blocks are replaced";
}

}  // namespace
}  // namespace radio
