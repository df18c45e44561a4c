// The radio's two frequency bands. In memory: four limits in 10 Hz units
// (`BandLimits`). In the image at 0x17E8-0x17ED: six bytes holding the whole
// MHz limits one BCD digit per nibble.
#pragma once

#include <cstdint>

#include "image/radio_image.h"

namespace radio {

struct BandLimits {
  // Band 1 from lower1 to upper1, band 2 from lower2 to upper2 (10 Hz units).
  std::int64_t lower1 = 13400000;
  std::int64_t upper1 = 17600000;
  std::int64_t lower2 = 40000000;
  std::int64_t upper2 = 48000000;

  // In band when inside either band, limits included.
  bool Contains(std::int64_t f) const {
    return (lower1 <= f && f <= upper1) || (lower2 <= f && f <= upper2);
  }
  bool operator==(const BandLimits&) const = default;
};

// Nibbles are taken at face value, so an all-0xFF block gives 1665 MHz.
BandLimits DecodeBandLimits(const BandLimitBytes& block);
// Whole MHz of each limit (fractions dropped), three digits each.
BandLimitBytes EncodeBandLimits(const BandLimits& limits);

BandLimitBytes ReadBandLimitBlock(const RadioImage& image);
void WriteBandLimitBlock(RadioImage& image, const BandLimitBytes& block);

// The process-wide band state shared by all documents of a run: the
// band-limit bytes (restored from "Field" at start-up, given to every new
// image, saved at exit) and the limits every typed frequency is checked
// against.
struct BandState {
  BandLimitBytes bytes{};
  BandLimits limits;

  // After a grid is filled from `image`: the limits come from the image's
  // block as it stands, the bytes from the same block, normalised.
  void RefreshFromImage(const RadioImage& image);
  // After Product Information is confirmed with new limits.
  void Confirm(const BandLimits& newLimits, RadioImage& image);
};

}  // namespace radio
