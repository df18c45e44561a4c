// A new radio image with the default band limits, as File > New makes it.
#pragma once

#include "image/radio_image.h"

namespace radio::testing {

inline RadioImage NewImage() {
  BandLimitBytes band = kDefaultBandLimitBytes;
  return MakeNewImage(band);
}

}  // namespace radio::testing
