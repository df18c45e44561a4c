// Reading typed decimal numbers (MHz, Hz) without a binary floating-point
// product: the text is read as a double, rounded to 15 significant digits,
// and that decimal string is scaled by a power of ten in integer arithmetic.
// This is how 145.0125 MHz becomes exactly 14501250 (10 Hz units) instead of
// the 14501249 a double product would give.
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

}  // namespace radio
