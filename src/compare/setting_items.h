// The radio-wide settings as the dialogs show them, one item per field:
// where it is edited (dialog, tab), its label, the image bits it reads and
// the text it shows, decoded with each dialog's own codec.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "features/dtmf_fields.h"
#include "features/msk_fields.h"
#include "features/optional_features_fields.h"
#include "features/two_tone_fields.h"
#include "image/band_limits.h"
#include "image/language.h"
#include "image/radio_image.h"

namespace radio {

// Every setting of one image, decoded once for all items.
struct DecodedSettings {
  explicit DecodedSettings(const RadioImage& image);

  const RadioImage& image;
  BandLimits bands;
  OptionalFeatures optional;
  DtmfEncodeFields dtmfEncode;
  DtmfDecodeFields dtmfDecode;
  DtmfCallList dtmfCalls;
  TwoToneEncodeFields twoToneEncode;
  std::array<TwoToneDecodeSlot, kTwoToneDecodeSlots> twoToneDecode;
  MskSettings msk;
};

// `count` bytes from `offset`, of which the bits in `mask` are read.
struct BitSpan {
  std::size_t offset;
  std::size_t count;
  std::uint8_t mask;
};

struct SettingItem {
  std::string place;  // "Optional Features", "DTMF / Encode", "2-Tone / Decode / 2-Tone3"
  std::string label;  // "Squelch Level"
  std::vector<BitSpan> bits;
  std::function<std::string(const DecodedSettings&)> text;
};

// In dialog order: Product Information, Optional Features, DTMF, 2-Tone,
// MSK, Key Assignment, Squelch Tuning.
const std::vector<SettingItem>& SettingItems(Language lang);

}  // namespace radio
