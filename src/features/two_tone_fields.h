// The radio's 2-Tone sequential signalling in the image: 32 encode codes
// with their common timing and eight decode slots. Every tone and time is
// kept twice: a display copy (tenths of a hertz, tenths of a second) that
// the dialog reloads, and the radio's own copy (tone period counts, 50 ms
// units) that is derived from it on every store.
//
// Values are whole counts of their display unit: tones in tenths of a
// hertz, delays and intervals in tenths of a second, the Tx rise delay in
// hundredths of a second. Steps, wraps and clamps work on these counts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/radio_image.h"

namespace radio {

constexpr int kTwoToneEncodeCodes = 32;
constexpr int kTwoToneDecodeSlots = 8;

// Encode timing and short beep (display copy at 0x1620, radio copy at 0x17A0).
constexpr std::size_t kTwoToneTimingDisplay = 0x1620;
constexpr std::size_t kTwoToneShortBeepOffset = 0x1627;
constexpr std::size_t kTwoToneTimingRadio = 0x17A0;

// A field's range, in its unit. Stepping past one end wraps to the other.
struct SpinRange {
  int min;
  int max;
};
constexpr SpinRange kToneRange{2885, 31060};  // 288.5 ... 3106.0 Hz
constexpr SpinRange kDelayRange{5, 100};      // 0.5 ... 10.0 s
constexpr SpinRange kIntervalRange{0, 20};    // 0.0 ... 2.0 s
constexpr SpinRange kTxRiseRange{10, 100};    // 0.10 ... 1.00 s

// value + step (+1 or -1 unit); past max -> min, below min -> max.
int StepAndWrap(int value, int step, SpinRange range);
// The focus-loss rule of tones, delays and intervals.
int ClampTo(long value, SpinRange range);
// Tx rise delay, in hundredths: off the 0.05 grid, up goes to the next grid
// value and down to the one below; on it, one 0.05 step; then wrap.
int TxRiseStep(int hundredths, int step);
// Focus loss: down onto the 0.05 grid, then clamp to 0.10 ... 1.00.
int TxRiseSnap(long hundredths);

// Parsing of edit texts (non-numeric text reads 0; digits beyond the unit
// round half away from zero) and the display texts of the dialog and the
// printout.
long ParseTenths(std::string_view text);
long ParseHundredths(std::string_view text);
std::string FormatTone(int tenthsHz);          // "%4.1f"
std::string FormatSeconds(int tenths);         // "%2.1f"
std::string FormatDecodeInterval(int tenths);  // "%1.1f"
std::string FormatTxRise(int hundredths);      // "%3.2f"
// The stored 50 ms interval count in tenths of a second, as "%2.1f" shows it.
int IntervalTenths(int count50ms);
// A grid cell as it is left: empty stays empty, anything else is clamped
// to the tone range and shown "%4.1f".
std::string NormaliseToneCell(std::string_view text);

// Radio forms.
int EncodeTonePeriod(int tenthsHz);  // floor(111957 / f + 0.5)
int DecodeTonePeriod(int tenthsHz);  // 895658 / f, rounded half up
constexpr int TenthsTo50ms(int tenths) {
  return tenths * 2;
}  // s x 1000 / 50

// ---- Encode ----------------------------------------------------------

struct TwoToneEncodeFields {
  int firstDelay = 5;  // tenths of a second
  int secondDelay = 5;
  int longDelay = 10;
  int interval = 10;  // tenths of a second (stored in 50 ms units)
  int txRise = 10;    // hundredths of a second (stored in 50 ms units)
  bool shortBeep = false;
  // Code k (0-based), tone t: tenths of a hertz; nothing for an empty cell.
  std::array<std::array<std::optional<int>, 2>, kTwoToneEncodeCodes> tones{};
};

// Offsets of code k (0-31), tone t (0-1): bytes 0-15 of blocks 224-231
// (display) and 240-247 (radio), four codes per block.
std::size_t EncodeToneDisplayOffset(int code, int tone);
std::size_t EncodeToneRadioOffset(int code, int tone);

// The values as stored, not clamped. The interval's 50 ms count is shown in
// tenths as IntervalTenths rounds it.
TwoToneEncodeFields LoadTwoToneEncode(const RadioImage& image);
// Clamps every value to its range as focus loss would (empty cells stay
// empty), then writes both copies of everything; bytes 16-23 stay.
void StoreTwoToneEncode(RadioImage& image, const TwoToneEncodeFields& fields);

// ---- Decode ----------------------------------------------------------

struct TwoToneDecodeSlot {
  int aTone = 20000;  // tenths of a hertz
  int bTone = 10000;
  int firstDelay = 5;  // tenths of a second
  int secondDelay = 5;
  int interval = 10;
  int longDelay = 5;
};

// Offsets of slot n (0-7): two slots in bytes 0-15 of each block from
// 0x15C0 (display) and 0x1740 (radio).
std::size_t DecodeSlotDisplayOffset(int slot);
std::size_t DecodeSlotRadioOffset(int slot);

TwoToneDecodeSlot LoadTwoToneDecodeSlot(const RadioImage& image, int slot);
// Clamps as focus loss would, then writes both copies of the slot.
void StoreTwoToneDecodeSlot(RadioImage& image, int slot, const TwoToneDecodeSlot& fields);

}  // namespace radio
