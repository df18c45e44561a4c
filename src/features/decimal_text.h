// Decimal numbers in edit texts, held as whole counts of a decimal unit
// (tenths of a hertz, tenths or hundredths of a second) so that stepping,
// clamping and encoding never meet a binary rounding error.
#pragma once

#include <string>
#include <string_view>

namespace radio {

// Largest magnitude a parse returns; longer numbers saturate here.
constexpr long kMaxDecimalUnits = 1'000'000'000;

// The leading decimal number of `text` (leading blanks skipped, optional
// sign, digits, optional point and digits) as a count of 10^-decimals
// units, further digits truncated toward zero. Text without a leading
// number reads as 0, as the radio's edit fields always have.
long ParseDecimalUnits(std::string_view text, int decimals);

// The text printf("%*.*f", width, decimals, units / 10^decimals) gives,
// computed exactly: right-aligned in `width` characters at least.
std::string FormatDecimalUnits(long units, int decimals, int width);

}  // namespace radio
