#include "features/dtmf_fields.h"

#include <gtest/gtest.h>

#include "features/new_image.h"

#include <algorithm>

namespace radio {
namespace {

using testing::NewImage;

TEST(DtmfSpeed, StepsThroughTheTableAndWraps) {
  EXPECT_EQ(DtmfSpeedStep(15, +1), 6);
  EXPECT_EQ(DtmfSpeedStep(6, -1), 15);
  EXPECT_EQ(DtmfSpeedStep(6, +1), 8);
  EXPECT_EQ(DtmfSpeedStep(8, +1), 10);
  EXPECT_EQ(DtmfSpeedStep(10, +1), 15);
  EXPECT_EQ(DtmfSpeedStep(12, +1), 15);
  EXPECT_EQ(DtmfSpeedStep(12, -1), 10);
  EXPECT_EQ(DtmfSpeedStep(0, +1), 6);
  EXPECT_EQ(DtmfSpeedStep(99, -1), 15);
  EXPECT_EQ(DtmfSpeedStep(99, +1), 6);
}

TEST(DtmfSpeed, SnapsOnFocusLossAndCodesTheTwoBits) {
  EXPECT_EQ(DtmfSpeedSnap(0), 6);
  EXPECT_EQ(DtmfSpeedSnap(7), 6);
  EXPECT_EQ(DtmfSpeedSnap(9), 8);
  EXPECT_EQ(DtmfSpeedSnap(12), 10);
  EXPECT_EQ(DtmfSpeedSnap(14), 10);
  EXPECT_EQ(DtmfSpeedSnap(99), 15);
  for (int code = 0; code < 4; ++code) EXPECT_EQ(DtmfCodeOfSpeed(DtmfSpeedOfCode(code)), code);
  EXPECT_EQ(DtmfCodeOfSpeed(7), 3);
}

TEST(DtmfDelay, StepsInFiftiesRoundingOffGridValuesAndWraps) {
  EXPECT_EQ(DtmfDelayStep(73, +1), 100);
  EXPECT_EQ(DtmfDelayStep(73, -1), 50);
  EXPECT_EQ(DtmfDelayStep(200, +1), 250);
  EXPECT_EQ(DtmfDelayStep(200, -1), 150);
  EXPECT_EQ(DtmfDelayStep(1000, +1), 0);
  EXPECT_EQ(DtmfDelayStep(0, -1), 1000);
  EXPECT_EQ(DtmfDelayStep(1020, -1), 1000);
  EXPECT_EQ(DtmfDelayStep(1234, +1), 0);
  EXPECT_EQ(DtmfDelaySnap(1234), 1000);
  EXPECT_EQ(DtmfDelaySnap(73), 50);
  EXPECT_EQ(DtmfDelaySnap(-5), 0);
  EXPECT_EQ(DtmfDelaySnap(1050), 1000);
}

TEST(DtmfDigitTime, StepsThroughFourValuesAndSnapsDown) {
  EXPECT_EQ(DtmfDigitTimeStep(0, +1), 100);
  EXPECT_EQ(DtmfDigitTimeStep(100, +1), 500);
  EXPECT_EQ(DtmfDigitTimeStep(250, +1), 500);
  EXPECT_EQ(DtmfDigitTimeStep(500, +1), 1000);
  EXPECT_EQ(DtmfDigitTimeStep(1000, +1), 0);
  EXPECT_EQ(DtmfDigitTimeStep(0, -1), 1000);
  EXPECT_EQ(DtmfDigitTimeStep(250, -1), 100);
  EXPECT_EQ(DtmfDigitTimeStep(1500, -1), 1000);
  EXPECT_EQ(DtmfDigitTimeStep(60, -1), 0);
  EXPECT_EQ(DtmfDigitTimeSnap(250), 100);
  EXPECT_EQ(DtmfDigitTimeSnap(99), 0);
  EXPECT_EQ(DtmfDigitTimeSnap(999), 500);
  EXPECT_EQ(DtmfDigitTimeSnap(1550), 1000);
}

TEST(DtmfEncodeFields, NewImageLoadsTheDefaults) {
  const DtmfEncodeFields f = LoadDtmfEncode(NewImage());
  EXPECT_EQ(f.speed, 6);
  EXPECT_EQ(f.firstDigitDelayMs, 200);
  EXPECT_EQ(f.firstDigitTimeMs, 0);
  EXPECT_EQ(f.starHashDigitTimeMs, 0);
  EXPECT_TRUE(f.sideTone);
}

TEST(DtmfEncodeFields, TimesReadThroughFiveBitsAndStoreSnapped) {
  RadioImage image = NewImage();
  image[kDtmfFirstDelayOffset] = 0x35;
  image[kDtmfFirstDigitOffset] = 0xFF;
  image[kDtmfSpeedOffset] = 0xFE;  // speed code 2, upper bits foreign
  DtmfEncodeFields f = LoadDtmfEncode(image);
  EXPECT_EQ(f.firstDigitDelayMs, 1050);
  EXPECT_EQ(f.firstDigitTimeMs, 31 * 50);
  EXPECT_EQ(f.speed, 10);
  f.speed = 12;  // typed, never left the field
  StoreDtmfEncode(image, f);
  EXPECT_EQ(image[kDtmfFirstDelayOffset], 20);  // 1000 ms
  EXPECT_EQ(image[kDtmfFirstDigitOffset], 20);
  EXPECT_EQ(image[kDtmfSpeedOffset], 0xFE);  // 12 snaps to 10: code 2, bits 2-7 kept
}

TEST(DtmfEncodeFields, StoreChangesOnlyItsBits) {
  RadioImage image{};
  image[kDtmfOptionOffset] = 0xBF;
  DtmfEncodeFields f;
  f.speed = 15;
  f.firstDigitDelayMs = 250;
  f.firstDigitTimeMs = 500;
  f.starHashDigitTimeMs = 100;
  f.sideTone = false;
  StoreDtmfEncode(image, f);
  EXPECT_EQ(image[kDtmfOptionOffset], 0xBF);
  EXPECT_EQ(image[kDtmfSpeedOffset], 3);
  EXPECT_EQ(image[kDtmfFirstDelayOffset], 5);
  EXPECT_EQ(image[kDtmfFirstDigitOffset], 10);
  EXPECT_EQ(image[kDtmfStarHashOffset], 2);
  f.sideTone = true;
  StoreDtmfEncode(image, f);
  EXPECT_EQ(image[kDtmfOptionOffset], 0xFF);
}

TEST(DtmfDecodeFields, LoadsAndStoresCodesGroupAndStunBits) {
  RadioImage image = NewImage();
  DtmfDecodeFields f = LoadDtmfDecode(image);
  EXPECT_EQ(f.idCode, "");
  EXPECT_EQ(f.groupCode, 'A');
  EXPECT_TRUE(f.stunActivation);
  EXPECT_TRUE(f.txInhibit);
  f.idCode = "123A*#";
  f.stunCode = "0123456789";
  f.groupCode = kGroupCodeOff;
  f.stunActivation = false;
  f.txInhibit = false;
  image[kDtmfOptionOffset] = 0xFF;
  StoreDtmfDecode(image, f);
  EXPECT_EQ(image[kDtmfOptionOffset], 0xCF);
  EXPECT_EQ(image[kDtmfGroupCodeOffset], 0xFF);
  EXPECT_EQ(image[0x1320], '1');
  EXPECT_EQ(image[0x1325], '#');
  EXPECT_EQ(image[0x1326], 0xFF);
  EXPECT_EQ(image[0x1341], '9');
  const DtmfDecodeFields back = LoadDtmfDecode(image);
  EXPECT_EQ(back.idCode, f.idCode);
  EXPECT_EQ(back.stunCode, f.stunCode);
  EXPECT_FALSE(back.stunActivation);
  EXPECT_FALSE(back.txInhibit);
}

TEST(DtmfDecodeFields, TextsOfListsInBothLanguages) {
  EXPECT_EQ(GroupCodeText(0xFF, Language::English), "Off");
  EXPECT_EQ(GroupCodeText(0xFF, Language::Chinese), "关");
  EXPECT_EQ(GroupCodeText(0x41, Language::English), "A");
  EXPECT_EQ(GroupCodeText(0x00, Language::English), "");
  EXPECT_EQ(GroupCodeOfText("Off"), 0xFF);
  EXPECT_EQ(GroupCodeOfText("关"), 0xFF);
  EXPECT_EQ(GroupCodeOfText("#"), '#');
  for (std::uint8_t code : kGroupCodeItems)
    for (Language lang : {Language::English, Language::Chinese})
      EXPECT_EQ(GroupCodeOfText(GroupCodeText(code, lang)), code);
  for (bool tx : {true, false})
    for (Language lang : {Language::English, Language::Chinese})
      EXPECT_EQ(IsTxInhibitText(StunTypeText(tx, lang)), tx);
}

TEST(DtmfDecodeFields, CodeCharacterSetKeepsOnlyDtmfDigits) {
  EXPECT_EQ(KeepDtmfCharacters("12abcdefABCDEF*#+ x9"), "12ABCDABCD*#9");
  EXPECT_EQ(KeepDtmfCharacters("\xE4\xB8\xAD"), "");
  EXPECT_TRUE(IsDtmfCharacter('#'));
  EXPECT_FALSE(IsDtmfCharacter('E'));
  EXPECT_FALSE(IsDtmfCharacter('a'));
}

TEST(DtmfCallList, SixteenBytesPerBlockAndTheRestUntouched) {
  RadioImage image = NewImage();
  for (std::size_t n = 0; n < kDtmfCallCount; ++n)
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(DtmfCallOffset(n) + 16), 8,
                static_cast<std::uint8_t>(0x10 + n));
  DtmfCallList list{};
  list[0] = "0123456789ABCD*#";
  list[8] = "12";
  StoreDtmfCallList(image, list);
  EXPECT_EQ(DtmfCallOffset(8), 0x1440u);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_NE(image[0x1380 + i], 0xFF);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(image[0x1398 + i], 0xFF);
  EXPECT_EQ(image[0x1440], '1');
  EXPECT_EQ(image[0x1442], 0xFF);
  for (std::size_t n = 0; n < kDtmfCallCount; ++n)
    for (std::size_t i = 16; i < 24; ++i) EXPECT_EQ(image[DtmfCallOffset(n) + i], 0x10 + n);
  EXPECT_EQ(LoadDtmfCallList(image), list);
}

}  // namespace
}  // namespace radio
