#include "image/bytes.h"

#include <gtest/gtest.h>

#include <array>

namespace radio {
namespace {

TEST(Bytes, BcdAndDigitPairsRoundTripEveryPair) {
  for (int v = 0; v < 100; ++v) EXPECT_EQ(DigitPair(ToBcd(v)), v);
  EXPECT_EQ(ToBcd(46), 0x46);
  EXPECT_EQ(DigitPair(0xFA), 160) << "nibbles above 9 count at face value";
}

TEST(Bytes, SetBitsKeepsTheOtherBits) {
  std::uint8_t b = 0b1010'0101;
  SetBits(b, 2, 2, 0b10);
  EXPECT_EQ(b, 0b1010'1001);
  SetBits(b, 6, 2, 7);  // value wider than the field is cut to the field
  EXPECT_EQ(b, 0b1110'1001);
  EXPECT_EQ(GetBits(b, 6, 2), 3);
  SetBit(b, 0, false);
  EXPECT_FALSE(GetBit(b, 0));
  EXPECT_EQ(b, 0b1110'1000);
}

TEST(Bytes, TextFieldsStopAtTerminatorsAndPadWithFF) {
  std::array<std::uint8_t, 4> f = {'1', 'A', 0xFF, '9'};
  EXPECT_EQ(ReadTextField(f), "1A");
  f = {'1', 0x00, '2', '3'};
  EXPECT_EQ(ReadTextField(f), "1");
  WriteTextField(f, "ABCDEF");
  EXPECT_EQ(ReadTextField(f), "ABCD");
  WriteTextField(f, "Z");
  EXPECT_EQ(f, (std::array<std::uint8_t, 4>{'Z', 0xFF, 0xFF, 0xFF}));
  const std::string gbk = "\xD0\xC5\xB5\xC0";  // two GBK characters pass through as bytes
  WriteTextField(f, gbk);
  EXPECT_EQ(ReadTextField(f), gbk);
}

TEST(Bytes, BigEndianSixteenBit) {
  std::uint8_t p[2];
  SetU16BE(p, 0x2710);
  EXPECT_EQ(p[0], 0x27);
  EXPECT_EQ(p[1], 0x10);
  EXPECT_EQ(GetU16BE(p), 10000);
}

}  // namespace
}  // namespace radio
