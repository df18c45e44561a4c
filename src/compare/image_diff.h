// Two radio images compared by meaning: changed channel cells as the grid
// shows them, changed settings by dialog and label, and every other
// differing byte by its offset. Each mapped item knows the bits it reads;
// a differing bit that no reported item explains is reported as a raw
// byte, so no difference between two images can go unreported.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image/language.h"
#include "image/name_decoder.h"
#include "image/radio_image.h"

namespace radio {

enum class DifferenceKind { Channel, Setting, Bytes };

struct ImageDifference {
  DifferenceKind kind = DifferenceKind::Bytes;
  // Grid row of the channel record concerned: 1-128 the channels, 129 the
  // Fr record; 0 outside the channel table. Raw bytes of a record carry it too.
  int channel = 0;
  // A changed cell's grid column (1-9); 0 for everything else.
  int column = 0;
  // "Channel 12" / "Optional Features" / "DTMF / Encode" / "Byte 0x1234".
  std::string place;
  // The grid's column title or the field's label; empty for raw bytes.
  std::string label;
  // The texts shown before and after; an empty text is an empty cell or field.
  std::string before, after;
  // The first image byte the difference concerns, and (raw bytes) how many.
  std::size_t offset = 0;
  std::size_t length = 1;

  bool operator==(const ImageDifference&) const = default;
};

// The differences from `before` to `after`: channels in grid order, then the
// settings in dialog order, then the raw bytes by offset. Channel names read
// through `names` as the grid shows them; two names that read alike but
// differ in their bytes (or a missing decoder) show the bytes as "\xHH".
std::vector<ImageDifference> DiffImages(const RadioImage& before, const RadioImage& after,
                                        Language lang, const NameDecoder& names = {});

// One line: "Channel 12 Rx Frequency: 145.50000 → 145.52500",
// "Optional Features / Squelch Level: 3 → 5", "Byte 0x1234: 0x12 → 0x34".
std::string DifferenceText(const ImageDifference& difference, Language lang);

// For each image byte, the bits some mapped item reads (0 for a byte that
// is only ever reported raw).
std::array<std::uint8_t, kImageSize> MappedBits();

}  // namespace radio
