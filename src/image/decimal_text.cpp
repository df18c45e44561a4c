#include "image/decimal_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "image/trim.h"

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

DecimalUnits ReadDecimalUnits(std::string_view text, int decimals, DecimalForm form) {
  const bool wholeField = form == DecimalForm::kWholeField;
  // A whole field is at most nine digits before the point: its limit is
  // never reached by a valid field, only keeps a long invalid one in range.
  const std::int64_t limit = wholeField ? kDecimalLimit : kMaxDecimalUnits;
  if (wholeField) text = Trim(text, kSpaceAndTab);
  std::size_t i = 0;
  bool negative = false;
  if (!wholeField) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  }
  DecimalUnits reading;
  const auto addDigit = [&](char c) {
    const int digit = c - '0';
    reading.units = reading.units > (limit - digit) / 10 ? limit : reading.units * 10 + digit;
  };
  const auto isDigit = [&](std::size_t k) {
    return k < text.size() && text[k] >= '0' && text[k] <= '9';
  };
  const std::size_t wholeStart = i;
  for (; isDigit(i); ++i) addDigit(text[i]);
  const std::size_t wholeDigits = i - wholeStart;
  std::size_t fractionDigits = 0;
  if (i < text.size() && text[i] == '.') {
    for (++i; isDigit(i); ++i, ++fractionDigits) {
      if (fractionDigits < static_cast<std::size_t>(decimals))
        addDigit(text[i]);
      else if (text[i] != '0')
        reading.exact = false;
    }
  }
  for (std::size_t k = fractionDigits; k < static_cast<std::size_t>(decimals); ++k) addDigit('0');
  if (negative) reading.units = -reading.units;
  reading.valid =
      !wholeField || (i == text.size() && wholeDigits + fractionDigits > 0 && wholeDigits <= 9);
  return reading;
}

long ParseDecimalUnits(std::string_view text, int decimals) {
  return static_cast<long>(ReadDecimalUnits(text, decimals, DecimalForm::kLeadingNumber).units);
}

std::string FormatDecimalUnits(long units, int decimals, int width) {
  long scale = 1;
  for (int d = 0; d < decimals; ++d) scale *= 10;
  const long magnitude = std::labs(units);
  std::string text = std::to_string(magnitude / scale);
  if (decimals > 0) {
    std::string fraction = std::to_string(magnitude % scale);
    text += '.' + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
  }
  if (units < 0) text.insert(text.begin(), '-');
  if (static_cast<int>(text.size()) < width)
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

}  // namespace radio
