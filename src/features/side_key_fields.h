// The side key's function, chosen in the Key Assignment dialog: bits 0-1
// of image byte 0x12AA hold 3 - (position of the chosen radio button).
// Bits 2-7 of that byte belong to others.
#pragma once

#include <cstddef>

#include "image/radio_image.h"

namespace radio {

constexpr std::size_t kSideKeyOffset = 0x12AA;
constexpr int kSideKeyChoices = 4;  // Option signalling call, emergency call, 1750 Hz, squelch off

// The radio-button position (0-3) the stored code selects.
int LoadSideKeyPosition(const RadioImage& image);
// Writes 3 - position into bits 0-1; a position outside 0-3 (no choice)
// leaves the byte as it is.
void StoreSideKeyPosition(int position, RadioImage& image);

}  // namespace radio
