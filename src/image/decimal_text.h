// Decimal numbers in texts, never through a binary floating-point product.
// Grid cells (MHz, Hz) are read as a double, rounded to 15 significant
// digits, and that decimal string is scaled by a power of ten in integer
// arithmetic: this is how 145.0125 MHz becomes exactly 14501250 (10 Hz
// units) instead of the 14501249 a double product would give. Dialog edits
// and CSV fields are read digit by digit into whole counts of a decimal
// unit (tenths of a hertz, hundredths of a second, 10 Hz), so that
// stepping, clamping and encoding never meet a rounding error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace radio {

// The leading number of `text` as a double, the way the C library's atof
// reads it in the C locale (leading blanks skipped, trailing text ignored).
// Empty, unreadable, infinite or out-of-range text reads as 0.
double ReadDecimalNumber(std::string_view text);

// The double with 15 significant digits, as "%.15g" writes it in the C locale.
std::string FifteenDigits(double value);

enum class DecimalRounding { kTruncate, kCeiling };

// value x 10^power, computed exactly on the 15-digit decimal form of
// `value`, then truncated towards zero or rounded up. Magnitudes beyond
// kDecimalLimit saturate at +/- kDecimalLimit.
constexpr std::int64_t kDecimalLimit = 1'000'000'000'000'000'000;  // 10^18
std::int64_t ScaleDecimal(double value, int power, DecimalRounding rounding);

// "%.<decimals>f" of `value` in the C locale (correctly rounded).
std::string FixedText(double value, int decimals);

// How much of a text a decimal reading takes.
enum class DecimalForm {
  // Edit fields: leading blanks, an optional sign, digits, an optional
  // point and digits; whatever follows is ignored, and text without a
  // number reads as 0 (always valid). Magnitudes saturate at
  // kMaxDecimalUnits.
  kLeadingNumber,
  // File fields: the whole text, spaces and tabs around it aside, is
  // digits with at most one point (no sign, no exponent), at least one
  // digit and at most nine before the point.
  kWholeField,
};

// Largest magnitude a leading-number reading returns.
constexpr long kMaxDecimalUnits = 1'000'000'000;

struct DecimalUnits {
  bool valid = false;      // the text has the form asked for
  std::int64_t units = 0;  // the number x 10^decimals, further digits cut off
  bool exact = true;       // no non-zero digit was cut off
};

DecimalUnits ReadDecimalUnits(std::string_view text, int decimals, DecimalForm form);

// The units of an edit field's leading number (kLeadingNumber).
long ParseDecimalUnits(std::string_view text, int decimals);

// The text printf("%*.*f", width, decimals, units / 10^decimals) gives,
// computed exactly: right-aligned in `width` characters at least.
std::string FormatDecimalUnits(long units, int decimals, int width);

}  // namespace radio
