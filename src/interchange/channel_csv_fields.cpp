#include "interchange/channel_csv_fields.h"

#include "image/channel_codec.h"
#include "interchange/channel_name_text.h"

namespace radio {
namespace {

// Option byte with the radio's channel step (list position 0-4).
constexpr std::size_t kChannelStepOffset = 0x1263;

// One QT/DQT field as the CSV layout sees it.
struct ToneValue {
  enum Kind { kNone, kCtcss, kDcs } kind = kNone;
  std::string text;     // CTCSS "88.5" or DCS digits "023"
  char polarity = 'N';  // DCS: 'N' normal, 'R' reversed
};

// From the grid's tone text: "None", "88.5", "D023N" or "D023I".
ToneValue ReadTone(const std::string& text) {
  ToneValue tone;
  if (text == "None") return tone;
  if (text.front() != 'D') {
    tone.kind = ToneValue::kCtcss;
    tone.text = text;
    return tone;
  }
  tone.kind = ToneValue::kDcs;
  tone.text = text.substr(1, text.size() - 2);
  tone.polarity = text.back() == 'I' ? 'R' : 'N';
  return tone;
}

// Tone, CrossMode and the tone columns from the transmit (encode) and
// receive (decode) tones.
void WriteToneFields(const ToneValue& tx, const ToneValue& rx, ChannelCsvFields& out) {
  using K = ToneValue::Kind;
  if (tx.kind == K::kCtcss) out[kCsvRToneFreq] = tx.text;
  if (rx.kind == K::kCtcss) out[kCsvCToneFreq] = rx.text;
  if (tx.kind == K::kDcs) out[kCsvDtcsCode] = tx.text;
  if (rx.kind == K::kDcs) out[kCsvRxDtcsCode] = rx.text;
  out[kCsvDtcsPolarity] = {tx.kind == K::kDcs ? tx.polarity : 'N',
                           rx.kind == K::kDcs ? rx.polarity : 'N'};

  if (tx.kind == K::kNone && rx.kind == K::kNone) return;
  if (tx.kind == K::kCtcss && rx.kind == K::kNone) {
    out[kCsvTone] = "Tone";
    return;
  }
  if (tx.kind == K::kCtcss && rx.kind == K::kCtcss && tx.text == rx.text) {
    out[kCsvTone] = "TSQL";
    return;
  }
  if (tx.kind == K::kDcs && rx.kind == K::kDcs && tx.text == rx.text) {
    out[kCsvTone] = "DTCS";
    return;
  }
  static const char* const kSide[] = {"", "Tone", "DTCS"};
  out[kCsvTone] = "Cross";
  out[kCsvCrossMode] = std::string(kSide[tx.kind]) + "->" + kSide[rx.kind];
}

std::string SignalKindText(int kind) {
  switch (kind) {
    case kSignalNone:
      return "None";
    case kSignalMsk:
      return "MSK";
    case kSignalDtmf:
      return "DTMF";
    case kSignalTwoTone:
      return "2-Tone";
    case 7:
      return "";  // not set, as in a new record
    default:
      return std::to_string(kind);
  }
}

std::string NumberText(std::uint8_t number) {
  return number == 0xFF ? std::string() : std::to_string(number);
}

bool SameBand(std::int64_t a, std::int64_t b, const BandLimits& limits) {
  const auto in = [](std::int64_t f, std::int64_t lo, std::int64_t hi) {
    return lo <= f && f <= hi;
  };
  return (in(a, limits.lower1, limits.upper1) && in(b, limits.lower1, limits.upper1)) ||
         (in(a, limits.lower2, limits.upper2) && in(b, limits.lower2, limits.upper2));
}

}  // namespace

const std::array<const char*, kCsvColumnCount>& ChannelCsvHeader() {
  static const std::array<const char*, kCsvColumnCount> header = {
      "Location",  "Name",      "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
      "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
      "Skip",      "Power",     "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE",
      "BusyLock",  "OptSignal", "OptEncode",    "OptDecode"};
  return header;
}

std::string ChannelStepText(const RadioImage& image) {
  // Positions beyond the list read as 25 kHz, as the radio shows them.
  static const char* const kSteps[] = {"5.00", "6.25", "10.00", "12.50", "25.00"};
  const int position = image[kChannelStepOffset] & 0x07;
  return kSteps[position < 4 ? position : 4];
}

std::string CsvMhzText(std::int64_t f) {
  return FrequencyText(f) + "0";
}

ChannelCsvFields ChannelRecordFields(const RadioImage& image, int index, const BandLimits& limits,
                                     const NameCharset* names) {
  return ChannelRecordFields(image.data() + static_cast<std::size_t>(index) * kChannelRecordSize,
                             index, ChannelStepText(image), limits, names);
}

ChannelCsvFields ChannelRecordFields(const std::uint8_t* r, int index, const std::string& stepText,
                                     const BandLimits& limits, const NameCharset* names) {
  ChannelCsvFields out;
  out[kCsvLocation] = std::to_string(index + 1);
  out[kCsvOffset] = CsvMhzText(0);
  out[kCsvRToneFreq] = "88.5";
  out[kCsvCToneFreq] = "88.5";
  out[kCsvDtcsCode] = "023";
  out[kCsvRxDtcsCode] = "023";
  out[kCsvDtcsPolarity] = "NN";
  out[kCsvCrossMode] = "Tone->Tone";
  out[kCsvMode] = "FM";
  out[kCsvTStep] = stepText;
  out[kCsvPower] = "High";
  out[kCsvBusyLock] = "Off";
  out[kCsvOptSignal] = SignalKindText(GetOptionalSignalKind(r));
  out[kCsvOptEncode] = NumberText(GetOptionalSignalEncode(r));
  out[kCsvOptDecode] = NumberText(GetOptionalSignalDecode(r));
  if (IsEmptyChannelRecord(r)) return out;

  const ChannelRow row = DecodeChannelRecord(r, Language::English);
  const std::int64_t rx = ParseFrequency(row[kRxFrequency]);
  const std::int64_t tx = ParseFrequency(row[kTxFrequency]);
  out[kCsvName] = NameToCsvText(row[kChannelName], names);
  out[kCsvFrequency] = CsvMhzText(rx);
  if (tx != rx && !SameBand(rx, tx, limits)) {
    out[kCsvDuplex] = "split";
    out[kCsvOffset] = CsvMhzText(tx);
  } else if (tx != rx) {
    out[kCsvDuplex] = tx > rx ? "+" : "-";
    out[kCsvOffset] = CsvMhzText(tx > rx ? tx - rx : rx - tx);
  }
  WriteToneFields(ReadTone(row[kEncodeTone]), ReadTone(row[kDecodeTone]), out);
  out[kCsvMode] = row[kBandwidth] == "Wide" ? "FM" : "NFM";
  out[kCsvSkip] = row[kScanAdd] == "Yes" ? "" : "S";
  out[kCsvPower] = row[kPower];
  out[kCsvBusyLock] = row[kBusyLock];
  return out;
}

}  // namespace radio
