// The radio's own MSK ID and its call list of nine MSK IDs. Each ID is up
// to four ASCII characters (hexadecimal digits), 0xFF-padded. The ID and
// the nine entries form one 40-byte run laid into bytes 0-15 of image
// blocks 200-202, the bytes the radio exchanges; bytes 16-23 are skipped.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "image/language.h"
#include "image/radio_image.h"

namespace radio {

constexpr int kMskCallListSize = 9;
constexpr std::size_t kMskIdLength = 4;

struct MskSettings {
  std::string idCode;
  std::array<std::string, kMskCallListSize> callList;  // entries 1-9

  bool operator==(const MskSettings&) const = default;
};

// Image offset of field `index`: 0 the own ID (0x12C0), 1-9 call-list
// entry j at 24 x (200 + p div 16) + p mod 16 with p = 4 j.
constexpr std::size_t MskFieldOffset(int index) {
  const std::size_t p = 4 * static_cast<std::size_t>(index);
  return BlockOffset(200 + p / 16, p % 16);
}

MskSettings LoadMskSettings(const RadioImage& image);
// Writes each ID as it stands: its first four bytes, the rest 0xFF.
void StoreMskSettings(const MskSettings& values, RadioImage& image);

// Headings of the call-list grid: column 0 "Num", column 1 "Call List".
const char* MskCallListHeading(Language lang, int column);

}  // namespace radio
