// The channel table: 129 records of 24 bytes at image 0x000-0xC17
// (channels 1-128, then the FR record), and the texts the grid shows for
// them. This is the one place that knows the record's bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/band_limits.h"
#include "image/language.h"
#include "image/radio_image.h"

namespace radio {

constexpr int kChannelRecords = 129;  // 128 channels + FR
constexpr std::size_t kChannelRecordSize = 24;
constexpr int kFrRecord = 128;

// Option byte 0x12AB: every commit of the grid into the image sets bit 3.
constexpr std::size_t kChannelCommitOffset = 0x12AB;
constexpr int kChannelCommitBit = 3;

// The nine texts of a channel, in grid column order (grid column = index + 1).
enum ChannelField {
  kRxFrequency = 0,
  kTxFrequency,
  kDecodeTone,
  kEncodeTone,
  kChannelName,
  kPower,
  kBandwidth,
  kScanAdd,
  kBusyLock,
  kChannelFieldCount
};
using ChannelRow = std::array<std::string, kChannelFieldCount>;
using ChannelTable = std::array<ChannelRow, kChannelRecords>;

// --- Frequencies: 10 Hz units, 8 packed BCD digits, low byte first. ---

// The value stored in 4 bytes (0 when absent: byte 3 is 0x00 or 0xFF).
std::int64_t DecodeFrequency(const std::uint8_t* bytes4);
// 0 writes four 0xFF bytes. Values beyond 8 digits that four digit pairs
// can still hold (as read from bytes with nibbles above 9) are kept with
// such nibbles; negative or larger values write four 0xFF bytes.
void EncodeFrequency(std::int64_t f, std::uint8_t* bytes4);
// "%3.5f" of f / 100000 (MHz with five decimals).
std::string FrequencyText(std::int64_t f);
// A decimal MHz text to 10 Hz units in exact decimal arithmetic, any
// remaining fraction dropped (145.0125 gives 14501250). Empty or unreadable
// text gives 0.
std::int64_t ParseFrequency(std::string_view mhz);
// The "%3.5f" rewrite of a typed MHz text (unreadable text reads as 0).
std::string NormaliseFrequencyText(std::string_view mhz);

// --- QT/DQT tone codes: low byte L, high byte H. ---

// "None" / "无" when H is 0x00 or 0xFF; CTCSS "%3.1f"; DCS "D023N"/"D023I".
std::string ToneText(std::uint8_t low, std::uint8_t high, Language lang);
// A tone text (either language's "None" included) to its two bytes. A CTCSS
// tone under 10.0 Hz stores 0x00 and its tenths ("5.0" gives 50 00 as L H).
// A "D0" code of four digits keeps first digit 0 with its last three digits
// in the low byte, as such a byte reads back ("D0123N" is 0xC3 0x80), so a
// loaded record's text stores its own bytes. A text the two bytes cannot
// hold (a CTCSS tone over 866.5 Hz, a DCS code over 6465) stores 0xFF
// 0xFF, no tone.
void EncodeToneText(std::string_view text, std::uint8_t& low, std::uint8_t& high);
// The 261 texts offered for both tone columns ("None" or "无" first).
const std::vector<std::string>& ToneList(Language lang);

// --- Flag texts (byte 13) ---
// Display words of the running language; reading accepts either language.
std::string PowerText(bool high, Language lang);
std::string BandwidthText(bool wide, Language lang);
std::string ScanAddText(bool yes, Language lang);
std::string BusyLockText(int code, Language lang);  // 0 Off, 1 Carrier, 2/3 QT/DQT

// --- Optional signal (byte 12 bits 0-2; no grid column edits it) ---
// 1 "MSK", 2 "DTMF", 4 "2-Tone"; 0 and the codes with no signal (a new
// record's 0xFF included) read "None".
std::string OptionalSignalText(const std::uint8_t* record, Language lang);

// --- Whole records and the table ---

// Empty record: the receive or the transmit frequency is absent.
bool IsEmptyChannelRecord(const std::uint8_t* record);
// A row whose nine texts are all empty (nothing to show).
bool IsBlankRow(const ChannelRow& row);
// The grid's row label of record `index`: "1" ... "128", "Fr".
std::string ChannelRowLabel(int index);
// The header text of grid column `column` (0 the row labels, 1-9 the nine
// texts in ChannelField order + 1), as the grid shows it; "" outside 0-9.
const char* ChannelColumnTitle(int column, Language lang);

ChannelRow DecodeChannelRecord(const std::uint8_t* record, Language lang);
// Stores the nine texts; bytes 12, 14, 15 and bit 0 of byte 13 are kept.
void EncodeChannelRecord(const ChannelRow& row, std::uint8_t* record);

// Stores only the texts of `row` that differ from what the record shows now
// (in either language); the shift bits follow only a changed frequency.
// Everything the user did not change keeps its bytes.
void StoreChangedChannelFields(const ChannelRow& row, std::uint8_t* record);

// Fills the table from the image, then takes the band limits from the image
// (BandState::RefreshFromImage).
void DecodeChannelTable(const RadioImage& image, ChannelTable& table, BandState& band,
                        Language lang);
// Writes the band limits into the image's block when they differ from what
// it holds, every row's changed texts into its record (as
// StoreChangedChannelFields), then sets bit 3 of 0x12AB.
void EncodeChannelTable(const ChannelTable& table, const BandLimits& limits, RadioImage& image);

// --- Optional signal (bytes 12, 14, 15): no grid column edits them ---
// Kind in bits 0-2 of byte 12: 0 None, 1 MSK, 2 DTMF, 4 2-Tone (a new
// record holds 7); bits 3-7 belong to nobody and are kept.
enum OptionalSignalKind { kSignalNone = 0, kSignalMsk = 1, kSignalDtmf = 2, kSignalTwoTone = 4 };
int GetOptionalSignalKind(const std::uint8_t* record);
void SetOptionalSignalKind(std::uint8_t* record, int kind);  // bits 0-2 only
// Encode number (byte 14: MSK 1-9, 2-Tone 1-32, 0 None) and decode number
// (byte 15: 2-Tone 1-8, 0 None); 0xFF means not set.
std::uint8_t GetOptionalSignalEncode(const std::uint8_t* record);
void SetOptionalSignalEncode(std::uint8_t* record, std::uint8_t number);
std::uint8_t GetOptionalSignalDecode(const std::uint8_t* record);
void SetOptionalSignalDecode(std::uint8_t* record, std::uint8_t number);

}  // namespace radio
