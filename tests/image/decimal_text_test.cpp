#include "image/decimal_text.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

TEST(DecimalText, ReadsTheLeadingNumberLikeTheCLibrary) {
  EXPECT_EQ(ReadDecimalNumber("145.0125"), 145.0125);
  EXPECT_EQ(ReadDecimalNumber("  12.5MHz"), 12.5);
  EXPECT_EQ(ReadDecimalNumber("+7"), 7.0);
  EXPECT_EQ(ReadDecimalNumber("-7.25"), -7.25);
  EXPECT_EQ(ReadDecimalNumber(".5"), 0.5);
  EXPECT_EQ(ReadDecimalNumber("1.5e2"), 150.0);
  EXPECT_EQ(ReadDecimalNumber("145,5"), 145.0) << "the C locale's decimal point is '.'";
  for (const char* unreadable : {"", "abc", "+-7", "inf", "nan", "1e999", ".", "None"})
    EXPECT_EQ(ReadDecimalNumber(unreadable), 0.0) << unreadable;
}

TEST(DecimalText, ScalesOnTheFifteenDigitDecimalNotOnTheBinaryProduct) {
  // Each of these gives one less with a double product (x * 1e5 truncated).
  EXPECT_EQ(ScaleDecimal(145.0125, 5, DecimalRounding::kTruncate), 14501250);
  EXPECT_EQ(ScaleDecimal(134.2, 5, DecimalRounding::kTruncate), 13420000);
  EXPECT_EQ(ScaleDecimal(0.29, 2, DecimalRounding::kTruncate), 29);
  // And one more with a double product rounded up.
  EXPECT_EQ(ScaleDecimal(1.1, 1, DecimalRounding::kCeiling), 11);
  EXPECT_EQ(ScaleDecimal(254.1, 1, DecimalRounding::kCeiling), 2541);
  EXPECT_EQ(ScaleDecimal(67.01, 1, DecimalRounding::kCeiling), 671);
  EXPECT_EQ(ScaleDecimal(67.0, 1, DecimalRounding::kCeiling), 670);
  // Remaining fractions are truncated; negative values truncate toward zero.
  EXPECT_EQ(ScaleDecimal(145.123456, 5, DecimalRounding::kTruncate), 14512345);
  EXPECT_EQ(ScaleDecimal(-1.234567, 5, DecimalRounding::kTruncate), -123456);
  EXPECT_EQ(ScaleDecimal(-1.23, 1, DecimalRounding::kCeiling), -12);
  // Exponent forms of "%.15g".
  EXPECT_EQ(ScaleDecimal(1e-5, 5, DecimalRounding::kTruncate), 1);
  EXPECT_EQ(ScaleDecimal(1e-6, 5, DecimalRounding::kTruncate), 0);
  EXPECT_EQ(ScaleDecimal(1e-6, 5, DecimalRounding::kCeiling), 1);
  EXPECT_EQ(ScaleDecimal(1.5e20, 0, DecimalRounding::kTruncate), kDecimalLimit);
  EXPECT_EQ(ScaleDecimal(-1e300, 5, DecimalRounding::kTruncate), -kDecimalLimit);
  EXPECT_EQ(ScaleDecimal(123456789012345.0, 3, DecimalRounding::kTruncate), 123456789012345000);
}

TEST(DecimalText, WritesCLocaleTexts) {
  EXPECT_EQ(FifteenDigits(145.0125), "145.0125");
  EXPECT_EQ(FifteenDigits(0.1 + 0.2), "0.3");
  EXPECT_EQ(FifteenDigits(1e20), "1e+20");
  EXPECT_EQ(FixedText(145.123456, 5), "145.12346");
  EXPECT_EQ(FixedText(145.5, 5), "145.50000");
  EXPECT_EQ(FixedText(0.0, 5), "0.00000");
}

}  // namespace
}  // namespace radio
