#include "interchange/channel_name_text.h"

namespace radio {
namespace {

bool Printable(unsigned char c) {
  return c >= 0x20 && c <= 0x7E;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string NameToCsvText(std::string_view nameBytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char ch : nameBytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (Printable(c) && c != '\\') {
      out += ch;
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

NameTextResult CsvTextToName(std::string_view text, std::string& nameBytes) {
  nameBytes.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\\' && i + 3 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0) {
      const int byte = HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]);
      if (byte == 0x00 || byte == 0xFF) return NameTextResult::kUnshowable;
      nameBytes += static_cast<char>(byte);
      i += 3;
      continue;
    }
    if (!Printable(c)) return NameTextResult::kUnshowable;
    nameBytes += text[i];
  }
  if (nameBytes.size() <= kChannelNameBytes) return NameTextResult::kOk;
  // A GBK character is a lead byte 0x81-0xFE and one more byte: count
  // characters from the start so the cut never splits one.
  std::size_t keep = 0;
  while (keep < kChannelNameBytes) {
    const auto c = static_cast<unsigned char>(nameBytes[keep]);
    const std::size_t width = (c >= 0x81 && c <= 0xFE) ? 2 : 1;
    if (keep + width > kChannelNameBytes) break;
    keep += width;
  }
  nameBytes.resize(keep);
  return NameTextResult::kCut;
}

}  // namespace radio
