#include "features/optional_features_fields.h"

#include <gtest/gtest.h>

#include <random>

namespace radio {
namespace {

RadioImage RandomImage(std::mt19937& rng) {
  RadioImage image;
  std::uniform_int_distribution<int> byte(0, 255);
  for (auto& b : image) b = static_cast<std::uint8_t>(byte(rng));
  return image;
}

RadioImage LoadThenOk(const RadioImage& image) {
  RadioImage out = image;
  StoreOptionalFeatures(LoadOptionalFeatures(image), out);
  return out;
}

// Bits of each byte that the dialog writes; everything else must survive.
std::uint8_t OwnedMask(std::size_t offset) {
  switch (offset) {
    case 0x1260:
    case 0x1261:
    case 0x1262:
    case 0x1263:
    case 0x1264:
    case 0x1265:
    case 0x12A9:
      return 0xFF;
    case 0x1266:
      return 0xFD;  // bit 1 is not ours
    case 0x1267:
      return 0x03;
    case 0x12A8:
      return 0x81;
    case 0x12AB:
      return 0x13;
  }
  if (offset >= kPasswordOffset && offset < kPasswordOffset + kPasswordLength) return 0xFF;
  return 0x00;
}

TEST(OptionalFeatures, LoadThenOkKeepsEveryBitTheDialogDoesNotOwn) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 500; ++round) {
    const RadioImage before = RandomImage(rng);
    const RadioImage after = LoadThenOk(before);
    for (std::size_t i = 0; i < kImageSize; ++i) {
      const std::uint8_t keep = static_cast<std::uint8_t>(~OwnedMask(i));
      ASSERT_EQ(before[i] & keep, after[i] & keep) << "round " << round << " offset " << i;
    }
    // A second load-then-OK changes nothing: the first one normalised.
    ASSERT_EQ(LoadThenOk(after), after) << "round " << round;
  }
}

TEST(OptionalFeatures, InRangeCodesPassThroughUnchanged) {
  // Codes every list can show come back byte for byte.
  std::mt19937 rng(7);
  for (int round = 0; round < 500; ++round) {
    RadioImage image = RandomImage(rng);
    std::uniform_int_distribution<int> pick(0, 9);
    for (std::size_t o = 0x1260; o <= 0x1264; ++o) image[o] = static_cast<std::uint8_t>(pick(rng));
    image[0x1263] %= 5;
    image[0x12A9] %= 129;
    image[0x1265] = static_cast<std::uint8_t>((image[0x1265] & ~0x60) | (pick(rng) % 3) << 5);
    if ((image[0x1265] & 3) == 3) image[0x1265] &= ~1;
    for (int low : {2, 4, 6})
      if (((image[0x1266] >> low) & 3) == 3)
        image[0x1266] &= static_cast<std::uint8_t>(~(1 << low));
    for (std::size_t i = 0; i < kPasswordLength; ++i)
      image[kPasswordOffset + i] = static_cast<std::uint8_t>(i < 4 ? '0' + pick(rng) : 0xFF);
    ASSERT_EQ(LoadThenOk(image), image) << "round " << round;
  }
}

TEST(OptionalFeatures, OutOfRangeCodesOpenOnTheirFallBackAndOkNormalises) {
  RadioImage image;
  image.fill(0);
  image[0x1260] = 0x0A;  // beyond "270"
  image[0x1261] = 0xFF;
  image[0x1263] = 5;     // beyond "25"
  image[0x12A9] = 129;   // beyond channel 128
  image[0x1265] = 0x63;  // orange key 3, scan mode 3
  image[0x1266] = 0xFF;  // colour 3, back light 3, power-on style 3, bit 1 and STR set
  OptionalFeatures v = LoadOptionalFeatures(image);
  EXPECT_EQ(v.tot, 0);
  EXPECT_EQ(v.squelchLevel, 0);
  EXPECT_EQ(v.step, 0);
  EXPECT_EQ(v.priorityChannel, 0);
  EXPECT_EQ(v.orangeKey, 1) << "code 3 reads as Emergency Call";
  EXPECT_EQ(v.scanMode, 0) << "code 3 reads as TO";
  EXPECT_EQ(v.powerOnStyle, 0);
  EXPECT_EQ(v.backLight, 0);
  EXPECT_EQ(v.backLightColor, 0);

  StoreOptionalFeatures(v, image);
  EXPECT_EQ(image[0x1260], 0);
  EXPECT_EQ(image[0x1261], 0);
  EXPECT_EQ(image[0x1263], 0);
  EXPECT_EQ(image[0x12A9], 0);
  EXPECT_EQ(image[0x1265] & 0x03, 2) << "emergency call written as 2";
  EXPECT_EQ(image[0x1265] & 0x60, 0);
  EXPECT_EQ(image[0x1266], 0x03) << "bits 2-7 cleared, bit 1 kept, STR set kept";
}

TEST(OptionalFeatures, NewImageDefaultsReadAsTheirItems) {
  RadioImage image;
  image.fill(0xFF);
  image[0x1260] = 1, image[0x1261] = 4, image[0x1262] = 0, image[0x1263] = 0, image[0x1264] = 0;
  image[0x1265] = 0xBE, image[0x1266] = 0x13, image[0x1267] = 0x02;
  image[0x12A8] = 0x81, image[0x12A9] = 0, image[0x12AB] = 0x01;
  const OptionalFeatures v = LoadOptionalFeatures(image);
  const auto& en = OptionalFeatureLists(Language::English);
  EXPECT_EQ(en.tot[v.tot], "30");
  EXPECT_EQ(en.squelchLevel[v.squelchLevel], "4");
  EXPECT_EQ(en.orangeKey[v.orangeKey], "Emergency Call");
  EXPECT_EQ(en.keyLock[v.keyLock], "Manual");
  EXPECT_EQ(en.beep[v.beep], "On");
  EXPECT_EQ(en.stopwatch[v.stopwatch], "On");
  EXPECT_EQ(en.scanMode[v.scanMode], "CO");
  EXPECT_EQ(en.tail[v.tail], "On");
  EXPECT_EQ(en.strSet[v.strSet], "Manual");
  EXPECT_EQ(en.backLight[v.backLight], "Auto");
  EXPECT_EQ(en.powerOnStyle[v.powerOnStyle], "Off");
  EXPECT_EQ(en.displayMode[v.displayMode], "FREQ.CH");
  EXPECT_EQ(en.batterySaver[v.batterySaver], "On");
  EXPECT_FALSE(v.keypadLock);
  EXPECT_EQ(en.priorityChannel[v.priorityChannel], "None");
  EXPECT_EQ(en.mskType[v.mskType], "MSK-I");
  EXPECT_EQ(en.allowReset[v.allowReset], "Disable");
  EXPECT_FALSE(v.repeaterMskInvert);
  EXPECT_EQ(v.password, "");
}

TEST(OptionalFeatures, NothingSelectedStoresTheOtherValueOfEachRule) {
  RadioImage image;
  image.fill(0xFF);
  OptionalFeatures none;
  for (int* p : {&none.backLight,
                 &none.backLightColor,
                 &none.powerOnStyle,
                 &none.keyLock,
                 &none.priorityChannel,
                 &none.voxGain,
                 &none.displayMode,
                 &none.batterySaver,
                 &none.beep,
                 &none.tail,
                 &none.scanMode,
                 &none.squelchLevel,
                 &none.step,
                 &none.tot,
                 &none.totPreAlert,
                 &none.stopwatch,
                 &none.orangeKey,
                 &none.strSet,
                 &none.allowReset,
                 &none.mskType})
    *p = -1;
  StoreOptionalFeatures(none, image);
  for (std::size_t o = 0x1260; o <= 0x1264; ++o) EXPECT_EQ(image[o], 0) << o;
  EXPECT_EQ(image[0x12A9], 0);
  // orange key 2, key lock set, beep/stopwatch/tail/scan clear
  EXPECT_EQ(image[0x1265], 0x06);
  EXPECT_EQ(image[0x1266], 0x02);  // only the foreign bit 1 left
  EXPECT_EQ(image[0x1267], 0xFC);
  EXPECT_EQ(image[0x12A8], 0xFE);         // saver off, keypad lock not ticked (bit 7 set)
  EXPECT_EQ(image[0x12AB], 0xFC | 0x10);  // allow reset set, MSK-II, no invert
}

TEST(OptionalFeatures, ListsHaveTheSameLengthInBothLanguages) {
  const auto& en = OptionalFeatureLists(Language::English);
  const auto& zh = OptionalFeatureLists(Language::Chinese);
  const std::vector<std::string> OptionalFeatureItems::*lists[] = {
      &OptionalFeatureItems::backLight,
      &OptionalFeatureItems::backLightColor,
      &OptionalFeatureItems::powerOnStyle,
      &OptionalFeatureItems::keyLock,
      &OptionalFeatureItems::priorityChannel,
      &OptionalFeatureItems::voxGain,
      &OptionalFeatureItems::displayMode,
      &OptionalFeatureItems::batterySaver,
      &OptionalFeatureItems::beep,
      &OptionalFeatureItems::tail,
      &OptionalFeatureItems::scanMode,
      &OptionalFeatureItems::squelchLevel,
      &OptionalFeatureItems::step,
      &OptionalFeatureItems::tot,
      &OptionalFeatureItems::totPreAlert,
      &OptionalFeatureItems::stopwatch,
      &OptionalFeatureItems::orangeKey,
      &OptionalFeatureItems::strSet,
      &OptionalFeatureItems::allowReset,
      &OptionalFeatureItems::mskType};
  for (auto list : lists) EXPECT_EQ((en.*list).size(), (zh.*list).size());
  EXPECT_EQ(en.priorityChannel.size(), 129u);
  EXPECT_EQ(en.priorityChannel.back(), "128");
  EXPECT_EQ(zh.priorityChannel.front(), "无");
  EXPECT_EQ(en.tot.back(), "270");
  EXPECT_EQ(zh.tot.front(), "关闭");
  EXPECT_EQ(zh.voxGain.front(), "关");
  EXPECT_EQ(en.orangeKey.front(), "Send 1750 Singal");
  EXPECT_EQ(zh.displayMode[2], "频率信道");
  EXPECT_EQ(zh.step, en.step);
}

TEST(PowerOnPassword, StoresLeadingDigitsAtMostSixPaddedWithFF) {
  RadioImage image;
  image.fill(0x00);
  WritePowerOnPassword(image, "1234567");
  EXPECT_EQ(ReadPowerOnPassword(image), "123456") << "seven digits keep six";
  EXPECT_EQ(image[kPasswordOffset + 5], '6');
  EXPECT_EQ(image[kPasswordOffset + 6], 0x00) << "byte after the field untouched";

  WritePowerOnPassword(image, "");
  for (std::size_t i = 0; i < kPasswordLength; ++i) EXPECT_EQ(image[kPasswordOffset + i], 0xFF);
  EXPECT_EQ(image[kPasswordOffset - 1], 0x00);

  image[kPasswordOffset] = '4';
  image[kPasswordOffset + 1] = '2';
  EXPECT_EQ(ReadPowerOnPassword(image), "42") << "two digits then 0xFF";

  image[kPasswordOffset + 2] = 'A';
  image[kPasswordOffset + 3] = '7';
  EXPECT_EQ(ReadPowerOnPassword(image), "42") << "a stored letter ends the text";

  // A letter can no longer reach the radio: only the leading digits are stored.
  WritePowerOnPassword(image, "12a4");
  EXPECT_EQ(image[kPasswordOffset + 2], 0xFF);
  EXPECT_EQ(ReadPowerOnPassword(image), "12");
}

}  // namespace
}  // namespace radio
