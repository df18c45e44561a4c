#include "image/decimal_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace radio {

double ReadDecimalNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  if (i < text.size() && text[i] == '+') {
    ++i;
    if (i < text.size() && text[i] == '-') return 0.0;  // "+-5" is no number
  }
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                         std::chars_format::general);
  (void)end;
  if (ec != std::errc() || !std::isfinite(value)) return 0.0;
  return value;
}

std::string FifteenDigits(double value) {
  std::array<char, 64> buf;
  const auto r =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
  return std::string(buf.data(), r.ptr);
}

std::int64_t ScaleDecimal(double value, int power, DecimalRounding rounding) {
  if (!std::isfinite(value)) return 0;
  const std::string text = FifteenDigits(value);
  bool negative = false;
  std::string digits;  // mantissa digits without the point
  int integerDigits = 0;
  bool seenPoint = false;
  int exponent = 0;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    negative = true;
    ++i;
  }
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits.push_back(c);
      if (!seenPoint) ++integerDigits;
    } else if (c == '.') {
      seenPoint = true;
    } else if (c == 'e' || c == 'E') {
      std::size_t e = i + 1;
      if (e < text.size() && text[e] == '+') ++e;
      std::from_chars(text.data() + e, text.data() + text.size(), exponent);
      break;
    }
  }
  // The first `wholeDigits` digits form the integer part of value x 10^power.
  const long wholeDigits = static_cast<long>(integerDigits) + exponent + power;
  std::int64_t result = 0;
  for (long k = 0; k < wholeDigits; ++k) {
    const int d =
        k < static_cast<long>(digits.size()) ? digits[static_cast<std::size_t>(k)] - '0' : 0;
    result = result * 10 + d;
    if (result >= kDecimalLimit) {
      result = kDecimalLimit;
      break;
    }
  }
  if (result < kDecimalLimit && rounding == DecimalRounding::kCeiling && !negative) {
    for (std::size_t k = wholeDigits > 0 ? static_cast<std::size_t>(wholeDigits) : 0;
         k < digits.size(); ++k) {
      if (digits[k] != '0') {
        ++result;
        break;
      }
    }
  }
  return negative ? -result : result;
}

std::string FixedText(double value, int decimals) {
  std::array<char, 400> buf;
  const auto r =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) return "0";
  return std::string(buf.data(), r.ptr);
}

}  // namespace radio
