// Images with hand-chosen channels for the CSV tests.
#pragma once

#include <string>

#include "image/channel_codec.h"
#include "image/radio_image.h"

namespace radio::test {

// Bands 134-176 MHz and 400-480 MHz, every channel empty.
inline RadioImage BlankImage() {
  BandLimitBytes bytes = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};
  return MakeNewImage(bytes);
}

inline std::uint8_t* Record(RadioImage& image, int channel) {
  return image.data() + static_cast<std::size_t>(channel - 1) * kChannelRecordSize;
}

// Stores a channel through the codec from its grid texts.
inline void SetChannel(RadioImage& image, int channel, const std::string& rx, const std::string& tx,
                       const std::string& decode = "None", const std::string& encode = "None",
                       const std::string& name = "", const std::string& power = "High",
                       const std::string& width = "Wide", const std::string& scan = "Yes",
                       const std::string& busy = "Off") {
  EncodeChannelRecord({rx, tx, decode, encode, name, power, width, scan, busy},
                      Record(image, channel));
}

// One channel of every tone mode and duplex form, a GBK name with a comma,
// the optional-signal fields, a used FR record and a half-empty record;
// channel step 6.25 kHz.
inline RadioImage SampleImage() {
  RadioImage image = BlankImage();
  SetChannel(image, 1, "146.52", "146.52", "None", "None", "CALL");
  SetChannel(image, 2, "145.5", "144.9", "None", "100.0", "RPT");
  SetChannel(image, 3, "439.0", "444.0", "88.5", "88.5");
  SetChannel(image, 4, "146.0", "146.0", "D023I", "D023N");
  SetChannel(image, 5, "146.0", "146.0", "254.1", "67.0");
  SetChannel(image, 6, "146.0", "146.0", "D754I", "67.0");
  SetChannel(image, 7, "146.0", "146.0", "100.0", "D025N");
  SetChannel(image, 8, "146.0", "146.0", "71.9", "None");
  SetChannel(image, 9, "146.0", "146.0", "D026I", "None");
  SetChannel(image, 10, "146.0", "146.0", "None", "D031I");
  SetChannel(image, 11, "146.0", "146.0", "D036N", "D032N");
  SetChannel(image, 12, "146.0", "446.0");
  SetChannel(image, 13, "146.0", "");  // no transmit frequency: empty, not exported
  SetChannel(image, 20, "146.025", "146.025", "None", "None",
             "\xD6\xD0"
             "A,B",
             "Low", "Narrow", "No", "Carrier");
  SetOptionalSignalKind(Record(image, 20), kSignalMsk);
  SetOptionalSignalEncode(Record(image, 20), 3);
  SetOptionalSignalDecode(Record(image, 20), 0);
  SetChannel(image, 129, "150.0", "150.0", "None", "None", "FR");
  image[0x1263] = 1;  // 6.25 kHz
  return image;
}

}  // namespace radio::test
