// The radio's DTMF settings in the image: sending speed and timing, side
// tone, ID / group / stun settings and the nine fast-call numbers, with the
// step, wrap and snap rules of the fields that the DTMF dialog edits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/language.h"
#include "image/radio_image.h"

namespace radio {

// Image offsets.
constexpr std::size_t kDtmfOptionOffset = 0x12A8;      // bit 4 stun on, 5 Tx inhibit, 6 side tone
constexpr std::size_t kDtmfSpeedOffset = 0x1308;       // bits 0-1
constexpr std::size_t kDtmfFirstDelayOffset = 0x1309;  // 50 ms units
constexpr std::size_t kDtmfFirstDigitOffset = 0x130A;
constexpr std::size_t kDtmfStarHashOffset = 0x130B;
constexpr std::size_t kDtmfIdCodeOffset = 0x1320;
constexpr std::size_t kDtmfGroupCodeOffset = 0x132F;
constexpr std::size_t kDtmfStunCodeOffset = 0x1338;
constexpr std::size_t kDtmfCodeLength = 10;
constexpr std::size_t kDtmfCallListOffset = 0x1380;  // bytes 0-15 of nine blocks
constexpr std::size_t kDtmfCallCount = 9;
constexpr std::size_t kDtmfCallLength = 16;
constexpr int kDtmfStunOnBit = 4;
constexpr int kDtmfTxInhibitBit = 5;
constexpr int kDtmfSideToneBit = 6;

// ---- Encode ----------------------------------------------------------

struct DtmfEncodeFields {
  int speed = 6;                // digits per second: 6, 8, 10 or 15
  int firstDigitDelayMs = 200;  // 0 ... 1000 in steps of 50
  int firstDigitTimeMs = 0;     // 0, 100, 500, 1000
  int starHashDigitTimeMs = 0;  // 0, 100, 500, 1000
  bool sideTone = true;
};

// Times are read through the low 5 bits of their byte, so 0x35 reads 1050.
DtmfEncodeFields LoadDtmfEncode(const RadioImage& image);
// Applies the four focus-loss snaps, then writes; bits 2-7 of the speed
// byte and the other bits of the option byte stay.
void StoreDtmfEncode(RadioImage& image, const DtmfEncodeFields& fields);

// Speed code of bits 0-1: 0 = 6, 1 = 8, 2 = 10, 3 = 15 (and any other speed).
int DtmfSpeedOfCode(int code);
int DtmfCodeOfSpeed(int speed);

// Up/down (step +1 or -1) and focus-loss rules, on the parsed edit values.
int DtmfSpeedStep(int speed, int step);
int DtmfSpeedSnap(int speed);
int DtmfDelayStep(int ms, int step);
int DtmfDelaySnap(int ms);
int DtmfDigitTimeStep(int ms, int step);  // first digit time and "*"/"#" digit time
int DtmfDigitTimeSnap(int ms);

// ---- Decode ----------------------------------------------------------

constexpr std::uint8_t kGroupCodeOff = 0xFF;
// The group-code list in its order: "Off", "A", "B", "C", "D", "*", "#".
constexpr std::array<std::uint8_t, 7> kGroupCodeItems = {kGroupCodeOff, 'A', 'B', 'C',
                                                         'D',           '*', '#'};

struct DtmfDecodeFields {
  std::string idCode;            // up to 10 single-byte characters
  std::uint8_t groupCode = 'A';  // the stored byte; 0xFF = Off
  bool stunActivation = true;
  std::string stunCode;   // up to 10 single-byte characters
  bool txInhibit = true;  // stun type: Tx inhibit / Transceiver inhibit
};

DtmfDecodeFields LoadDtmfDecode(const RadioImage& image);
void StoreDtmfDecode(RadioImage& image, const DtmfDecodeFields& fields);

// "Off" ("关") for 0xFF, otherwise the byte as one character (none for 0x00).
std::string GroupCodeText(std::uint8_t code, Language lang);
// The byte of a list item's text, either language: "Off" -> 0xFF, else its
// first character.
std::uint8_t GroupCodeOfText(std::string_view text);
// "Tx inhibit" / "Transceiver inhibit" or their Chinese texts.
std::string StunTypeText(bool txInhibit, Language lang);
// True for the Tx inhibit text of either language.
bool IsTxInhibitText(std::string_view text);

// DTMF digits as the radio signals them: 0-9, A-D, '*' and '#'.
bool IsDtmfCharacter(char c);
// What typing or pasting leaves in a DTMF code field: a-d become upper
// case, every other character outside the DTMF set is dropped.
std::string KeepDtmfCharacters(std::string_view text);

// ---- Fast-call list ----------------------------------------------------

using DtmfCallList = std::array<std::string, kDtmfCallCount>;

// Number n (0-based) from bytes 0-15 of block 208 + n.
std::size_t DtmfCallOffset(std::size_t index);
DtmfCallList LoadDtmfCallList(const RadioImage& image);
// Writes bytes 0-15 of each block; bytes 16-23 stay.
void StoreDtmfCallList(RadioImage& image, const DtmfCallList& list);

}  // namespace radio
