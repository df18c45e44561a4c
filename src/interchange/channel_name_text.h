// Channel names between the record's raw bytes and CSV text. The radio
// keeps single bytes (GBK when Chinese); the standard library has no GBK
// table, so printable ASCII is written as it is and every other byte as a
// "\xHH" escape, which reads back to the same byte.
#pragma once

#include <string>
#include <string_view>

namespace radio {

constexpr std::size_t kChannelNameBytes = 8;

// Printable ASCII as is, other bytes (and the backslash) as "\xHH".
std::string NameToCsvText(std::string_view nameBytes);

enum class NameTextResult { kOk, kCut, kUnshowable };

// The bytes a CSV name stands for: "\xHH" gives byte HH, printable ASCII
// gives itself. kUnshowable when the text holds any other character (a
// control character, non-ASCII UTF-8) or an escaped 0x00 / 0xFF, which
// would end the name. kCut when more than 8 bytes remain: the first 8 are
// kept, one less when the 8th would split a two-byte GBK character.
NameTextResult CsvTextToName(std::string_view text, std::string& nameBytes);

}  // namespace radio
