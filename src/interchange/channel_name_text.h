// Channel names between the record's raw bytes and CSV text. The radio
// keeps single bytes (GBK when Chinese); the standard library has no GBK
// table, so printable ASCII is written as it is and every other byte as a
// "\xHH" escape, which reads back to the same byte. A program that has a
// GBK table passes it in as a NameCharset: names then read and write as
// real characters wherever that is lossless.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace radio {

constexpr std::size_t kChannelNameBytes = 8;

// Conversion of the radio's non-ASCII name bytes to and from UTF-8 text.
// Both return false when the conversion would not give back the same
// bytes / characters.
struct NameCharset {
  std::function<bool(std::string_view bytes, std::string& utf8)> toText;
  std::function<bool(std::string_view utf8, std::string& bytes)> toBytes;
};

// Printable ASCII as is, other bytes (and the backslash) as "\xHH". With a
// charset, a name whose non-ASCII bytes are whole characters of it is
// written as those characters instead, when it reads back byte for byte.
std::string NameToCsvText(std::string_view nameBytes, const NameCharset* charset = nullptr);

// A name already decoded to UTF-8 text (as the grid shows it) for a line of
// text output: control characters (C0, DEL and the C1 range, which Latin-1
// bytes 0x80-0x9F decode to), TAB, CR, LF and the backslash as "\xHH" of
// their code, so that the name stays on its line and in its field.
std::string EscapeControlCharacters(std::string_view utf8);

enum class NameTextResult { kOk, kCut, kUnshowable };

// The bytes a CSV name stands for: "\xHH" gives byte HH, printable ASCII
// gives itself, other characters what `charset` makes of them (without one
// they are refused). kUnshowable when the text holds any other character (a
// control character, non-ASCII UTF-8) or an escaped 0x00 / 0xFF, which
// would end the name. kCut when more than 8 bytes remain: the first 8 are
// kept, one less when the 8th would split a two-byte GBK character.
NameTextResult CsvTextToName(std::string_view text, std::string& nameBytes,
                             const NameCharset* charset = nullptr);

}  // namespace radio
