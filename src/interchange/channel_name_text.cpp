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

void AppendEscape(std::string& out, unsigned char c) {
  static const char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[c >> 4];
  out += kHex[c & 0x0F];
}

std::string EscapedName(std::string_view nameBytes) {
  std::string out;
  for (const char ch : nameBytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (Printable(c) && c != '\\')
      out += ch;
    else
      AppendEscape(out, c);
  }
  return out;
}

// The name as characters of `charset`, or nothing when it holds a control
// byte or backslash, does not convert, or would not read back to itself.
bool CharacterName(std::string_view nameBytes, const NameCharset& charset, std::string& text) {
  bool beyondAscii = false;
  for (const char ch : nameBytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x80)
      beyondAscii = true;
    else if (!Printable(c) || c == '\\')
      return false;
  }
  if (!beyondAscii || !charset.toText || !charset.toText(nameBytes, text)) return false;
  std::string back;
  return CsvTextToName(text, back, &charset) != NameTextResult::kUnshowable && back == nameBytes;
}

}  // namespace

std::string EscapeControlCharacters(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if (c < 0x20 || c == 0x7F || c == '\\') {
      AppendEscape(out, c);
    } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080 ... U+009F
      AppendEscape(out, next);
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string NameToCsvText(std::string_view nameBytes, const NameCharset* charset) {
  std::string text;
  if (charset && CharacterName(nameBytes, *charset, text)) return text;
  return EscapedName(nameBytes);
}

NameTextResult CsvTextToName(std::string_view text, std::string& nameBytes,
                             const NameCharset* charset) {
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
    if (c >= 0x80 && charset && charset->toBytes) {
      // A run of non-ASCII characters goes through the charset as a whole.
      std::size_t end = i;
      while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80) ++end;
      std::string bytes;
      if (!charset->toBytes(text.substr(i, end - i), bytes)) return NameTextResult::kUnshowable;
      for (const char b : bytes)
        if (b == '\0' || static_cast<unsigned char>(b) == 0xFF) return NameTextResult::kUnshowable;
      nameBytes += bytes;
      i = end - 1;
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
