// How a channel name's stored bytes read as text. The grid decides it (GBK
// in a Chinese run, Latin-1 otherwise, undecodable bytes as the grid shows
// them); the core has no GBK table, so whatever prints or lists names from
// the core is handed the grid's own decoder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace radio {

// The name's bytes as UTF-8 text.
using NameDecoder = std::function<std::string(std::string_view nameBytes)>;

}  // namespace radio
