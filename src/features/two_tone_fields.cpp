#include "features/two_tone_fields.h"

#include <algorithm>

#include "image/bytes.h"
#include "image/decimal_text.h"

namespace radio {

namespace {

constexpr std::size_t kEncodeDisplayBlock = 224;
constexpr std::size_t kEncodeRadioBlock = 240;
constexpr std::size_t kDecodeDisplayOffset = 0x15C0;
constexpr std::size_t kDecodeRadioOffset = 0x1740;

// floor(numerator / tenthsHz + 0.5) with the frequency in tenths of a
// hertz, in integers: floor((2 n + f) / 2 f).
int HalfUpPeriod(long numeratorTenths, int tenthsHz) {
  if (tenthsHz <= 0) return 0;  // never reached: stores clamp tones first
  return static_cast<int>((2 * numeratorTenths + tenthsHz) / (2L * tenthsHz));
}

std::uint8_t Byte(int value) {
  return static_cast<std::uint8_t>(value);
}

}  // namespace

int StepAndWrap(int value, int step, SpinRange range) {
  const int next = value + step;
  if (next > range.max) return range.min;
  if (next < range.min) return range.max;
  return next;
}

int ClampTo(long value, SpinRange range) {
  return static_cast<int>(std::clamp<long>(value, range.min, range.max));
}

int TxRiseStep(int hundredths, int step) {
  int next;
  if (hundredths % 5 == 0)
    next = hundredths + 5 * step;
  else
    next = (hundredths / 5 + (step > 0 ? 1 : 0)) * 5;
  if (next > kTxRiseRange.max) return kTxRiseRange.min;
  if (next < kTxRiseRange.min) return kTxRiseRange.max;
  return next;
}

int TxRiseSnap(long hundredths) {
  return ClampTo(hundredths / 5 * 5, kTxRiseRange);
}

namespace {
// A typed value rounded half away from zero to `decimals` places: "500.55"
// is 5006 tenths, "2.35" is 24. Only the first digit beyond the field's
// precision decides, so the reading stays exact decimal arithmetic.
long ParseRounded(std::string_view text, int decimals) {
  const long finer = ParseDecimalUnits(text, decimals + 1);
  return (finer + (finer < 0 ? -5 : 5)) / 10;
}
}  // namespace

long ParseTenths(std::string_view text) {
  return ParseRounded(text, 1);
}
long ParseHundredths(std::string_view text) {
  return ParseRounded(text, 2);
}

int IntervalTenths(int count50ms) {
  // count / 20 seconds shown to one decimal exactly as "%2.1f" prints the
  // double: 3 (0.15 s) shows 0.1, 9 (0.45 s) shows 0.5.
  return static_cast<int>(ParseDecimalUnits(FixedText(count50ms / 20.0, 1), 1));
}
std::string FormatTone(int tenthsHz) {
  return FormatDecimalUnits(tenthsHz, 1, 4);
}
std::string FormatSeconds(int tenths) {
  return FormatDecimalUnits(tenths, 1, 2);
}
std::string FormatDecodeInterval(int tenths) {
  return FormatDecimalUnits(tenths, 1, 1);
}
std::string FormatTxRise(int hundredths) {
  return FormatDecimalUnits(hundredths, 2, 3);
}

std::string NormaliseToneCell(std::string_view text) {
  if (text.empty()) return {};
  return FormatTone(ClampTo(ParseTenths(text), kToneRange));
}

int EncodeTonePeriod(int tenthsHz) {
  return HalfUpPeriod(1119570, tenthsHz);
}
int DecodeTonePeriod(int tenthsHz) {
  return HalfUpPeriod(8956580, tenthsHz);
}

// ---- Encode ----------------------------------------------------------

std::size_t EncodeToneDisplayOffset(int code, int tone) {
  const auto k = static_cast<std::size_t>(code);
  return BlockOffset(kEncodeDisplayBlock + k / 4, 4 * (k % 4) + 2 * static_cast<std::size_t>(tone));
}

std::size_t EncodeToneRadioOffset(int code, int tone) {
  const auto k = static_cast<std::size_t>(code);
  return BlockOffset(kEncodeRadioBlock + k / 4, 4 * (k % 4) + 2 * static_cast<std::size_t>(tone));
}

TwoToneEncodeFields LoadTwoToneEncode(const RadioImage& image) {
  const std::uint8_t* d = image.data() + kTwoToneTimingDisplay;
  TwoToneEncodeFields f;
  f.firstDelay = d[0];
  f.secondDelay = d[1];
  f.longDelay = d[2];
  f.interval = IntervalTenths(GetU16BE(d + 3));
  f.txRise = GetU16BE(d + 5) * 5;
  f.shortBeep = d[7] != 0;
  for (int k = 0; k < kTwoToneEncodeCodes; ++k)
    for (int t = 0; t < 2; ++t) {
      const std::uint8_t* p = image.data() + EncodeToneDisplayOffset(k, t);
      auto& cell = f.tones[static_cast<std::size_t>(k)][static_cast<std::size_t>(t)];
      if (p[0] == 0xFF && p[1] == 0xFF)
        cell.reset();
      else
        cell = GetU16BE(p);
    }
  return f;
}

void StoreTwoToneEncode(RadioImage& image, const TwoToneEncodeFields& fields) {
  const int delays[3] = {ClampTo(fields.firstDelay, kDelayRange),
                         ClampTo(fields.secondDelay, kDelayRange),
                         ClampTo(fields.longDelay, kDelayRange)};
  const int interval = TenthsTo50ms(ClampTo(fields.interval, kIntervalRange));
  const int txRise = TxRiseSnap(fields.txRise) / 5;  // hundredths -> 50 ms units
  std::uint8_t* d = image.data() + kTwoToneTimingDisplay;
  std::uint8_t* r = image.data() + kTwoToneTimingRadio;
  for (int i = 0; i < 3; ++i) {
    d[i] = Byte(delays[i]);
    r[i] = Byte(TenthsTo50ms(delays[i]));
  }
  SetU16BE(d + 3, interval);
  SetU16BE(r + 3, interval);
  SetU16BE(d + 5, txRise);
  SetU16BE(r + 5, txRise);
  d[7] = fields.shortBeep ? 1 : 0;
  for (int k = 0; k < kTwoToneEncodeCodes; ++k)
    for (int t = 0; t < 2; ++t) {
      const auto& cell = fields.tones[static_cast<std::size_t>(k)][static_cast<std::size_t>(t)];
      std::uint8_t* pd = image.data() + EncodeToneDisplayOffset(k, t);
      std::uint8_t* pr = image.data() + EncodeToneRadioOffset(k, t);
      if (!cell) {
        SetU16BE(pd, 0xFFFF);
        SetU16BE(pr, 0x0000);
        continue;
      }
      const int tone = ClampTo(*cell, kToneRange);
      SetU16BE(pd, tone);
      SetU16BE(pr, EncodeTonePeriod(tone));
    }
}

// ---- Decode ----------------------------------------------------------

std::size_t DecodeSlotDisplayOffset(int slot) {
  const auto n = static_cast<std::size_t>(slot);
  return kDecodeDisplayOffset + kBlockSize * (n / 2) + 8 * (n % 2);
}

std::size_t DecodeSlotRadioOffset(int slot) {
  const auto n = static_cast<std::size_t>(slot);
  return kDecodeRadioOffset + kBlockSize * (n / 2) + 8 * (n % 2);
}

TwoToneDecodeSlot LoadTwoToneDecodeSlot(const RadioImage& image, int slot) {
  const std::uint8_t* d = image.data() + DecodeSlotDisplayOffset(slot);
  TwoToneDecodeSlot s;
  s.aTone = GetU16BE(d);
  s.bTone = GetU16BE(d + 2);
  s.firstDelay = d[4];
  s.secondDelay = d[5];
  s.interval = d[6];
  s.longDelay = d[7];
  return s;
}

void StoreTwoToneDecodeSlot(RadioImage& image, int slot, const TwoToneDecodeSlot& fields) {
  const int a = ClampTo(fields.aTone, kToneRange);
  const int b = ClampTo(fields.bTone, kToneRange);
  const int times[4] = {
      ClampTo(fields.firstDelay, kDelayRange), ClampTo(fields.secondDelay, kDelayRange),
      ClampTo(fields.interval, kIntervalRange), ClampTo(fields.longDelay, kDelayRange)};
  std::uint8_t* d = image.data() + DecodeSlotDisplayOffset(slot);
  std::uint8_t* r = image.data() + DecodeSlotRadioOffset(slot);
  SetU16BE(d, a);
  SetU16BE(d + 2, b);
  SetU16BE(r, DecodeTonePeriod(a));
  SetU16BE(r + 2, DecodeTonePeriod(b));
  for (int i = 0; i < 4; ++i) {
    d[4 + i] = Byte(times[i]);
    r[4 + i] = Byte(TenthsTo50ms(times[i]));
  }
}

}  // namespace radio
