#include "features/decimal_text.h"

#include <cstdlib>

namespace radio {

long ParseDecimalUnits(std::string_view text, int decimals) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long units = 0;
  bool saturated = false;
  const auto addDigit = [&](char c) {
    if (saturated) return;
    units = units * 10 + (c - '0');
    if (units >= kMaxDecimalUnits) {
      units = kMaxDecimalUnits;
      saturated = true;
    }
  };
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) addDigit(text[i]);
  int fraction = 0;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
      if (fraction < decimals) {
        addDigit(text[i]);
        ++fraction;
      }
  }
  for (; fraction < decimals; ++fraction) addDigit('0');
  return negative ? -units : units;
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
