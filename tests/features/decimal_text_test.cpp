#include "features/decimal_text.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

TEST(DecimalText, ParsesLeadingNumberIntoUnits) {
  EXPECT_EQ(ParseDecimalUnits("288.5", 1), 2885);
  EXPECT_EQ(ParseDecimalUnits("3106", 1), 31060);
  EXPECT_EQ(ParseDecimalUnits(".5", 1), 5);
  EXPECT_EQ(ParseDecimalUnits("0.37", 2), 37);
  EXPECT_EQ(ParseDecimalUnits("0.3", 2), 30);
  EXPECT_EQ(ParseDecimalUnits("  12abc", 0), 12);
  EXPECT_EQ(ParseDecimalUnits("-1.25", 1), -12);
  EXPECT_EQ(ParseDecimalUnits("1.2.3", 1), 12);
}

TEST(DecimalText, CutsExtraDigitsAndReadsGarbageAsZero) {
  EXPECT_EQ(ParseDecimalUnits("0.379", 2), 37);
  EXPECT_EQ(ParseDecimalUnits("12.5", 0), 12);
  EXPECT_EQ(ParseDecimalUnits("", 1), 0);
  EXPECT_EQ(ParseDecimalUnits("abc", 1), 0);
  EXPECT_EQ(ParseDecimalUnits(".", 1), 0);
}

TEST(DecimalText, LongNumbersSaturateInsteadOfOverflowing) {
  EXPECT_EQ(ParseDecimalUnits("99999999999999999999999", 0), kMaxDecimalUnits);
  EXPECT_EQ(ParseDecimalUnits("99999999999.9", 1), kMaxDecimalUnits);
  EXPECT_EQ(ParseDecimalUnits("-99999999999999", 2), -kMaxDecimalUnits);
}

TEST(DecimalText, FormatsLikePrintfFixed) {
  EXPECT_EQ(FormatDecimalUnits(2885, 1, 4), "288.5");
  EXPECT_EQ(FormatDecimalUnits(5, 1, 4), " 0.5");
  EXPECT_EQ(FormatDecimalUnits(10, 2, 3), "0.10");
  EXPECT_EQ(FormatDecimalUnits(100, 1, 2), "10.0");
  EXPECT_EQ(FormatDecimalUnits(7, 0, 0), "7");
  EXPECT_EQ(FormatDecimalUnits(-5, 2, 1), "-0.05");
  EXPECT_EQ(FormatDecimalUnits(0, 1, 1), "0.0");
}

}  // namespace
}  // namespace radio
