// Export of the channel table as CSV text in the common radio layout.
#pragma once

#include <string>

#include "image/band_limits.h"
#include "image/radio_image.h"
#include "interchange/channel_name_text.h"

namespace radio {

// The header line, then one line per used channel 1-128 in channel order
// (empty records and the FR record are left out). UTF-8 without a
// byte-order mark, CRLF line ends. Names as NameToCsvText writes them with
// `names`.
std::string ExportChannelsCsv(const RadioImage& image, const BandLimits& limits,
                              const NameCharset* names = nullptr);

}  // namespace radio
