#include "image/bytes.h"

#include <algorithm>

namespace radio {

std::string ReadTextField(std::span<const std::uint8_t> field) {
  std::string text;
  for (std::uint8_t b : field) {
    if (b == 0xFF || b == 0x00) break;
    text.push_back(static_cast<char>(b));
  }
  return text;
}

void WriteTextField(std::span<std::uint8_t> field, std::string_view text) {
  const std::size_t n = std::min(field.size(), text.size());
  for (std::size_t i = 0; i < field.size(); ++i)
    field[i] = i < n ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0xFF};
}

}  // namespace radio
