// The channel columns of the CSV layout radio tools exchange, and the texts
// a channel record gives in them. Export writes these texts; import falls
// back on them for every column a file lacks.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/band_limits.h"
#include "image/radio_image.h"
#include "interchange/channel_name_text.h"

namespace radio {

enum ChannelCsvColumn {
  kCsvLocation = 0,
  kCsvName,
  kCsvFrequency,
  kCsvDuplex,
  kCsvOffset,
  kCsvTone,
  kCsvRToneFreq,
  kCsvCToneFreq,
  kCsvDtcsCode,
  kCsvDtcsPolarity,
  kCsvRxDtcsCode,
  kCsvCrossMode,
  kCsvMode,
  kCsvTStep,
  kCsvSkip,
  kCsvPower,
  kCsvComment,
  kCsvUrCall,
  kCsvRpt1Call,
  kCsvRpt2Call,
  kCsvDvCode,
  // Our own columns for the fields the common layout lacks.
  kCsvBusyLock,
  kCsvOptSignal,
  kCsvOptEncode,
  kCsvOptDecode,
  kCsvColumnCount
};

using ChannelCsvFields = std::array<std::string, kCsvColumnCount>;

// The header names, in export order.
const std::array<const char*, kCsvColumnCount>& ChannelCsvHeader();

// The radio's channel step (0x1263) as the TStep text: "5.00", "6.25",
// "10.00", "12.50" or "25.00".
std::string ChannelStepText(const RadioImage& image);

// The texts of record `index` (0-127) of `image`. `limits` decide whether a
// transmit frequency lies in the receive frequency's band ("+"/"-") or not
// ("split"). For an empty record: the new-channel defaults with empty
// Frequency, and the record's own optional-signal fields. Names as
// NameToCsvText writes them with `names`.
ChannelCsvFields ChannelRecordFields(const RadioImage& image, int index, const BandLimits& limits,
                                     const NameCharset* names = nullptr);
// The same for a record on its own, with the TStep text given.
ChannelCsvFields ChannelRecordFields(const std::uint8_t* record, int index,
                                     const std::string& stepText, const BandLimits& limits,
                                     const NameCharset* names = nullptr);

// "146.520000": 10 Hz units as MHz with six decimals.
std::string CsvMhzText(std::int64_t f);

}  // namespace radio
