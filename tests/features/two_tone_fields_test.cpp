#include "features/two_tone_fields.h"

#include <gtest/gtest.h>

#include "features/new_image.h"

#include <algorithm>

namespace radio {
namespace {

using testing::NewImage;

std::array<int, 2> Pair(const RadioImage& image, std::size_t offset) {
  return {image[offset], image[offset + 1]};
}

TEST(TwoToneArithmetic, DecodeTonesOnTheEdges) {
  RadioImage image = NewImage();
  struct Case {
    int tenths;
    std::array<int, 2> display, radio;
  } cases[] = {{10000, {0x27, 0x10}, {0x03, 0x80}},
               {2885, {0x0B, 0x45}, {0x0C, 0x21}},
               {31060, {0x79, 0x54}, {0x01, 0x20}}};
  for (const Case& c : cases) {
    TwoToneDecodeSlot slot;
    slot.aTone = c.tenths;
    slot.bTone = c.tenths;
    StoreTwoToneDecodeSlot(image, 2, slot);
    EXPECT_EQ(Pair(image, 0x15D8), c.display) << c.tenths;
    EXPECT_EQ(Pair(image, 0x15DA), c.display) << c.tenths;
    EXPECT_EQ(Pair(image, 0x1758), c.radio) << c.tenths;
    EXPECT_EQ(Pair(image, 0x175A), c.radio) << c.tenths;
  }
}

TEST(TwoToneArithmetic, PeriodsRoundHalfUp) {
  EXPECT_EQ(EncodeTonePeriod(10000), 112);  // 111.957
  EXPECT_EQ(EncodeTonePeriod(21750), 51);   // 51.47
  EXPECT_EQ(DecodeTonePeriod(10000), 896);  // 895.658
  EXPECT_EQ(DecodeTonePeriod(2885), 3105);  // 3104.53
  // Exact halves go up: 111957 / 402.0 = 278.5, / 668.4 = 167.5, / 1114.0 = 100.5.
  EXPECT_EQ(EncodeTonePeriod(4020), 279);
  EXPECT_EQ(EncodeTonePeriod(6684), 168);
  EXPECT_EQ(EncodeTonePeriod(11140), 101);
  EXPECT_EQ(EncodeTonePeriod(4021), 278);
  EXPECT_EQ(DecodeTonePeriod(31060), 288);  // 288.36
}

TEST(TwoToneArithmetic, EncodeTimingAndCodes) {
  RadioImage image = NewImage();
  TwoToneEncodeFields f = LoadTwoToneEncode(image);
  f.firstDelay = 23;
  f.secondDelay = 5;
  f.longDelay = 100;
  f.interval = 15;
  f.txRise = 35;
  f.shortBeep = true;
  f.tones[0][0] = 10000;
  f.tones[0][1] = 21750;
  f.tones[31][1].reset();
  StoreTwoToneEncode(image, f);
  const std::uint8_t display[] = {23, 5, 100, 0x00, 0x1E, 0x00, 0x07, 0x01};
  const std::uint8_t radio[] = {46, 10, 200, 0x00, 0x1E, 0x00, 0x07};
  EXPECT_TRUE(std::equal(std::begin(display), std::end(display), image.begin() + 0x1620));
  EXPECT_TRUE(std::equal(std::begin(radio), std::end(radio), image.begin() + 0x17A0));
  EXPECT_EQ(Pair(image, 0x1500), (std::array<int, 2>{0x27, 0x10}));
  EXPECT_EQ(Pair(image, 0x1680), (std::array<int, 2>{0x00, 0x70}));
  EXPECT_EQ(Pair(image, 0x1682), (std::array<int, 2>{0x00, 0x33}));
  // Code 32, tone 2: last code of block 231 / 247; the empty cell.
  EXPECT_EQ(EncodeToneDisplayOffset(31, 1), 0x15B6u);
  EXPECT_EQ(EncodeToneRadioOffset(31, 1), 0x1736u);
  EXPECT_EQ(Pair(image, 0x15B6), (std::array<int, 2>{0xFF, 0xFF}));
  EXPECT_EQ(Pair(image, 0x1736), (std::array<int, 2>{0x00, 0x00}));
  const TwoToneEncodeFields back = LoadTwoToneEncode(image);
  EXPECT_FALSE(back.tones[31][1].has_value());
  EXPECT_EQ(back.tones[0][1], 21750);
  EXPECT_EQ(back.interval, 15);
  EXPECT_EQ(back.txRise, 35);
  EXPECT_TRUE(back.shortBeep);
}

TEST(TwoToneArithmetic, DecodeTimesAndSlotLayout) {
  RadioImage image = NewImage();
  const std::size_t displays[] = {0x15C0, 0x15C8, 0x15D8, 0x15E0, 0x15F0, 0x15F8, 0x1608, 0x1610};
  const std::size_t radios[] = {0x1740, 0x1748, 0x1758, 0x1760, 0x1770, 0x1778, 0x1788, 0x1790};
  for (int n = 0; n < kTwoToneDecodeSlots; ++n) {
    EXPECT_EQ(DecodeSlotDisplayOffset(n), displays[n]);
    EXPECT_EQ(DecodeSlotRadioOffset(n), radios[n]);
  }
  TwoToneDecodeSlot s;
  s.firstDelay = 23;
  s.secondDelay = 5;
  s.interval = 20;
  s.longDelay = 100;
  StoreTwoToneDecodeSlot(image, 7, s);
  const std::uint8_t display[] = {0x4E, 0x20, 0x27, 0x10, 23, 5, 20, 100};
  const std::uint8_t radio[] = {0x01, 0xC0, 0x03, 0x80, 46, 10, 40, 200};
  EXPECT_TRUE(std::equal(std::begin(display), std::end(display), image.begin() + 0x1610));
  EXPECT_TRUE(std::equal(std::begin(radio), std::end(radio), image.begin() + 0x1790));
  const TwoToneDecodeSlot back = LoadTwoToneDecodeSlot(image, 7);
  EXPECT_EQ(back.firstDelay, 23);
  EXPECT_EQ(back.aTone, 20000);
}

// Loaded values outside their ranges are clamped before they are encoded:
// a tone of 0 would divide by zero, small tones overflow 16 bits, a time
// byte of 0xFF would give 510 in one byte.
TEST(TwoToneArithmetic, OutOfRangeValuesNeverReachTheImage) {
  RadioImage image = NewImage();
  std::fill_n(image.begin() + 0x15C0, 8, 0x00);  // slot 1: tones 0
  std::fill_n(image.begin() + 0x15C8, 8, 0xFF);  // slot 2: all 0xFF
  const std::uint8_t timing[] = {0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x07};
  std::copy(std::begin(timing), std::end(timing), image.begin() + 0x1620);
  image[0x1500] = 0x00;  // code 1 tone 1: 0x0010 = 1.6 Hz
  image[0x1501] = 0x10;
  StoreTwoToneDecodeSlot(image, 0, LoadTwoToneDecodeSlot(image, 0));
  StoreTwoToneDecodeSlot(image, 1, LoadTwoToneDecodeSlot(image, 1));
  StoreTwoToneEncode(image, LoadTwoToneEncode(image));
  const std::uint8_t slot1[] = {0x0B, 0x45, 0x0B, 0x45, 5, 5, 0, 5};
  const std::uint8_t slot1Radio[] = {0x0C, 0x21, 0x0C, 0x21, 10, 10, 0, 10};
  const std::uint8_t slot2[] = {0x79, 0x54, 0x79, 0x54, 100, 100, 20, 100};
  const std::uint8_t slot2Radio[] = {0x01, 0x20, 0x01, 0x20, 200, 200, 40, 200};
  EXPECT_TRUE(std::equal(std::begin(slot1), std::end(slot1), image.begin() + 0x15C0));
  EXPECT_TRUE(std::equal(std::begin(slot1Radio), std::end(slot1Radio), image.begin() + 0x1740));
  EXPECT_TRUE(std::equal(std::begin(slot2), std::end(slot2), image.begin() + 0x15C8));
  EXPECT_TRUE(std::equal(std::begin(slot2Radio), std::end(slot2Radio), image.begin() + 0x1748));
  const std::uint8_t encode[] = {100, 5, 100, 0x00, 0x28, 0x00, 0x14, 0x01};
  const std::uint8_t encodeRadio[] = {200, 10, 200, 0x00, 0x28, 0x00, 0x14};
  EXPECT_TRUE(std::equal(std::begin(encode), std::end(encode), image.begin() + 0x1620));
  EXPECT_TRUE(std::equal(std::begin(encodeRadio), std::end(encodeRadio), image.begin() + 0x17A0));
  EXPECT_EQ(Pair(image, 0x1500), (std::array<int, 2>{0x0B, 0x45}));
  EXPECT_EQ(Pair(image, 0x1680), (std::array<int, 2>{0x01, 0x84}));  // 1119570 / 2885 = 388.06
}

TEST(TwoToneArithmetic, BytesSixteenToTwentyThreeOfEveryBlockStay) {
  RadioImage image = NewImage();
  for (std::size_t block = 224; block < 252; ++block)
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(BlockOffset(block, 16)), 8,
                static_cast<std::uint8_t>(block));
  const RadioImage before = image;
  StoreTwoToneEncode(image, LoadTwoToneEncode(image));
  for (int n = 0; n < kTwoToneDecodeSlots; ++n)
    StoreTwoToneDecodeSlot(image, n, LoadTwoToneDecodeSlot(image, n));
  for (std::size_t block = 224; block < 252; ++block)
    for (std::size_t b = 16; b < 24; ++b)
      EXPECT_EQ(image[BlockOffset(block, b)], before[BlockOffset(block, b)]) << block;
}

TEST(TwoToneSteps, TonesDelaysAndIntervalsWrap) {
  EXPECT_EQ(StepAndWrap(31060, +1, kToneRange), 2885);
  EXPECT_EQ(StepAndWrap(2885, -1, kToneRange), 31060);
  EXPECT_EQ(StepAndWrap(10000, +1, kToneRange), 10001);
  EXPECT_EQ(StepAndWrap(100, +1, kDelayRange), 5);
  EXPECT_EQ(StepAndWrap(5, -1, kDelayRange), 100);
  EXPECT_EQ(StepAndWrap(0, -1, kIntervalRange), 20);
  EXPECT_EQ(StepAndWrap(20, +1, kIntervalRange), 0);
  EXPECT_EQ(StepAndWrap(0, +1, kDelayRange), 100);  // below the range: wraps as the rule says
  EXPECT_EQ(ClampTo(ParseTenths("5000"), kToneRange), 31060);
  EXPECT_EQ(ClampTo(ParseTenths("0"), kToneRange), 2885);
  EXPECT_EQ(ClampTo(ParseTenths("12"), kDelayRange), 100);
  EXPECT_EQ(ClampTo(ParseTenths(".3"), kDelayRange), 5);
}

TEST(TwoToneSteps, TxRiseStepsInWholeHundredths) {
  EXPECT_EQ(TxRiseStep(15, -1), 10);   // 0.15 -> 0.10, not 0.0999... -> 1.00
  EXPECT_EQ(TxRiseStep(10, -1), 100);  // 0.10 -> 1.00
  EXPECT_EQ(TxRiseStep(100, +1), 10);  // 1.00 -> 0.10
  EXPECT_EQ(TxRiseStep(37, +1), 40);
  EXPECT_EQ(TxRiseStep(37, -1), 35);
  EXPECT_EQ(TxRiseStep(35, +1), 40);
  EXPECT_EQ(TxRiseStep(96, +1), 100);
  EXPECT_EQ(TxRiseStep(97, -1), 95);
  EXPECT_EQ(TxRiseStep(8, +1), 10);
  EXPECT_EQ(TxRiseStep(7, -1), 100);
  EXPECT_EQ(TxRiseSnap(37), 35);
  EXPECT_EQ(TxRiseSnap(ParseHundredths("0.37")), 35);
  EXPECT_EQ(TxRiseSnap(3), 10);
  EXPECT_EQ(TxRiseSnap(250), 100);
  for (int h = 10; h <= 100; h += 5) EXPECT_EQ(TxRiseStep(TxRiseStep(h, +1), -1), h) << h;
}

TEST(TwoToneText, DisplayFormatsAndGridCells) {
  EXPECT_EQ(FormatTone(2885), "288.5");
  EXPECT_EQ(FormatTone(31060), "3106.0");
  EXPECT_EQ(FormatSeconds(5), "0.5");
  EXPECT_EQ(FormatSeconds(100), "10.0");
  EXPECT_EQ(FormatDecodeInterval(0), "0.0");
  EXPECT_EQ(FormatTxRise(10), "0.10");
  EXPECT_EQ(FormatTxRise(35), "0.35");
  EXPECT_EQ(NormaliseToneCell(""), "");
  EXPECT_EQ(NormaliseToneCell("100"), "288.5");
  EXPECT_EQ(NormaliseToneCell("5000"), "3106.0");
  EXPECT_EQ(NormaliseToneCell("1000"), "1000.0");
}

TEST(TwoToneText, OddIntervalCountsShowAsTheDisplayFormatRounds) {
  RadioImage image = NewImage();
  // count / 20 s printed "%2.1f": the doubles 0.15 and 1.95 lie below the half, 0.45 above.
  const std::pair<int, int> shown[] = {{1, 1}, {3, 1}, {5, 2}, {9, 5}, {0x1E, 15}, {39, 19}};
  for (const auto& [count, tenths] : shown) {
    image[0x1624] = static_cast<std::uint8_t>(count);
    EXPECT_EQ(LoadTwoToneEncode(image).interval, tenths) << count;
  }
  image[0x1624] = 3;
  StoreTwoToneEncode(image, LoadTwoToneEncode(image));
  EXPECT_EQ(Pair(image, 0x1623), (std::array<int, 2>{0, 2}));  // shown 0.1 stores 0.1
}

TEST(TwoToneText, TypedDigitsBeyondTheFieldRoundHalfAwayFromZero) {
  EXPECT_EQ(ParseTenths("500.55"), 5006);
  EXPECT_EQ(ParseTenths("500.549"), 5005);
  EXPECT_EQ(ParseTenths("2.35"), 24);
  EXPECT_EQ(ParseTenths("2.34"), 23);
  EXPECT_EQ(ParseTenths("-2.35"), -24);
  EXPECT_EQ(ParseHundredths("0.375"), 38);
  EXPECT_EQ(NormaliseToneCell("500.55"), "500.6");
  // The grid cell as left, then stored: 500.6 Hz is 13 8E.
  RadioImage image = NewImage();
  TwoToneEncodeFields f = LoadTwoToneEncode(image);
  f.tones[0][0] = static_cast<int>(ParseTenths(NormaliseToneCell("500.55")));
  f.firstDelay = ClampTo(ParseTenths("2.35"), kDelayRange);
  StoreTwoToneEncode(image, f);
  EXPECT_EQ(Pair(image, EncodeToneDisplayOffset(0, 0)), (std::array<int, 2>{0x13, 0x8E}));
  EXPECT_EQ(image[0x1620], 24);
  EXPECT_EQ(image[0x17A0], 48);
}

TEST(TwoToneEncodeFields, NewImageLoadsTheDisplayDefaults) {
  const TwoToneEncodeFields f = LoadTwoToneEncode(NewImage());
  EXPECT_EQ(f.firstDelay, 5);
  EXPECT_EQ(f.longDelay, 10);
  EXPECT_EQ(f.interval, 10);
  EXPECT_EQ(f.txRise, 10);
  EXPECT_FALSE(f.shortBeep);
  for (const auto& code : f.tones) {
    EXPECT_EQ(code[0], 20000);
    EXPECT_EQ(code[1], 10000);
  }
}

}  // namespace
}  // namespace radio
