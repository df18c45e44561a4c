#include "image/decimal_text.h"

#include <gtest/gtest.h>

#include "image/trim.h"

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

TEST(DecimalText, WholeFieldTakesOnlyAPlainNumber) {
  const auto read = [](std::string_view text, int decimals) {
    return ReadDecimalUnits(text, decimals, DecimalForm::kWholeField);
  };
  EXPECT_EQ(read(" 146.52\t", 5).units, 14652000);
  EXPECT_TRUE(read("146.52", 5).exact);
  EXPECT_EQ(read("5.", 1).units, 50);
  EXPECT_EQ(read(".5", 1).units, 5);
  EXPECT_EQ(read("999999999", 0).units, 999999999);
  const DecimalUnits offStep = read("146.520001", 5);
  EXPECT_TRUE(offStep.valid);
  EXPECT_FALSE(offStep.exact);
  EXPECT_EQ(offStep.units, 14652000);
  EXPECT_TRUE(read("146.5200000", 5).exact) << "trailing zeros cut off nothing";
  for (const char* text : {"", " ", ".", "+5", "-5", "1e3", "1.2.3", "5 MHz", "1 2", "1234567890",
                           "99999999999999999999999999999.5"})
    EXPECT_FALSE(read(text, 5).valid) << text;
}

TEST(Trim, DropsOnlyTheGivenBlanks) {
  EXPECT_EQ(Trim(" \t a b \t"), "a b");
  EXPECT_EQ(Trim("\r\n x\f", kWhiteSpace), "x");
  EXPECT_EQ(Trim("\r x", kSpaceAndTab), "\r x");
  EXPECT_EQ(Trim(" \t "), "");
}

}  // namespace
}  // namespace radio
