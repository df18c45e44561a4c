#include "features/dtmf_fields.h"

#include <algorithm>
#include <span>

#include "image/bytes.h"

namespace radio {

namespace {

constexpr std::array<int, 4> kSpeeds = {6, 8, 10, 15};

int TimeOfByte(std::uint8_t byte) {
  return (byte & 0x1F) * 50;
}

std::span<const std::uint8_t> Field(const RadioImage& image, std::size_t offset,
                                    std::size_t length) {
  return std::span<const std::uint8_t>(image).subspan(offset, length);
}
std::span<std::uint8_t> Field(RadioImage& image, std::size_t offset, std::size_t length) {
  return std::span<std::uint8_t>(image).subspan(offset, length);
}

}  // namespace

// ---- Encode ----------------------------------------------------------

int DtmfSpeedOfCode(int code) {
  return kSpeeds[static_cast<std::size_t>(code & 3)];
}

int DtmfCodeOfSpeed(int speed) {
  if (speed == 6) return 0;
  if (speed == 8) return 1;
  if (speed == 10) return 2;
  return 3;
}

DtmfEncodeFields LoadDtmfEncode(const RadioImage& image) {
  DtmfEncodeFields f;
  f.speed = DtmfSpeedOfCode(GetBits(image[kDtmfSpeedOffset], 0, 2));
  f.firstDigitDelayMs = TimeOfByte(image[kDtmfFirstDelayOffset]);
  f.firstDigitTimeMs = TimeOfByte(image[kDtmfFirstDigitOffset]);
  f.starHashDigitTimeMs = TimeOfByte(image[kDtmfStarHashOffset]);
  f.sideTone = GetBit(image[kDtmfOptionOffset], kDtmfSideToneBit);
  return f;
}

void StoreDtmfEncode(RadioImage& image, const DtmfEncodeFields& fields) {
  SetBits(image[kDtmfSpeedOffset], 0, 2, DtmfCodeOfSpeed(DtmfSpeedSnap(fields.speed)));
  image[kDtmfFirstDelayOffset] =
      static_cast<std::uint8_t>(DtmfDelaySnap(fields.firstDigitDelayMs) / 50);
  image[kDtmfFirstDigitOffset] =
      static_cast<std::uint8_t>(DtmfDigitTimeSnap(fields.firstDigitTimeMs) / 50);
  image[kDtmfStarHashOffset] =
      static_cast<std::uint8_t>(DtmfDigitTimeSnap(fields.starHashDigitTimeMs) / 50);
  SetBit(image[kDtmfOptionOffset], kDtmfSideToneBit, fields.sideTone);
}

int DtmfSpeedStep(int speed, int step) {
  if (step > 0) {
    for (int s : kSpeeds)
      if (speed < s) return s;
    return kSpeeds.front();
  }
  for (auto it = kSpeeds.rbegin(); it != kSpeeds.rend(); ++it)
    if (speed > *it) return *it;
  return kSpeeds.back();
}

int DtmfSpeedSnap(int speed) {
  if (speed <= 7) return 6;
  if (speed <= 9) return 8;
  if (speed <= 14) return 10;
  return 15;
}

int DtmfDelayStep(int ms, int step) {
  int value = ms % 50 == 0 ? ms + 50 * step : ms / 50 * 50 + (step > 0 ? 50 : 0);
  if (value > 1000) value = 0;
  if (value < 0) value = 1000;
  return value;
}

int DtmfDelaySnap(int ms) {
  if (ms < 0) return 0;
  if (ms > 1000) return 1000;
  return ms / 50 * 50;
}

int DtmfDigitTimeStep(int ms, int step) {
  if (step > 0) {
    if (ms < 100) return 100;
    if (ms < 500) return 500;
    if (ms < 1000) return 1000;
    return 0;
  }
  if (ms > 1000) return 1000;
  if (ms > 500) return 500;
  if (ms > 100) return 100;
  if (ms > 0) return 0;
  return 1000;
}

int DtmfDigitTimeSnap(int ms) {
  if (ms < 100) return 0;
  if (ms < 500) return 100;
  if (ms < 1000) return 500;
  return 1000;
}

// ---- Decode ----------------------------------------------------------

DtmfDecodeFields LoadDtmfDecode(const RadioImage& image) {
  DtmfDecodeFields f;
  f.idCode = ReadTextField(Field(image, kDtmfIdCodeOffset, kDtmfCodeLength));
  f.groupCode = image[kDtmfGroupCodeOffset];
  f.stunActivation = GetBit(image[kDtmfOptionOffset], kDtmfStunOnBit);
  f.stunCode = ReadTextField(Field(image, kDtmfStunCodeOffset, kDtmfCodeLength));
  f.txInhibit = GetBit(image[kDtmfOptionOffset], kDtmfTxInhibitBit);
  return f;
}

void StoreDtmfDecode(RadioImage& image, const DtmfDecodeFields& fields) {
  WriteTextField(Field(image, kDtmfIdCodeOffset, kDtmfCodeLength), fields.idCode);
  image[kDtmfGroupCodeOffset] = fields.groupCode;
  SetBit(image[kDtmfOptionOffset], kDtmfStunOnBit, fields.stunActivation);
  WriteTextField(Field(image, kDtmfStunCodeOffset, kDtmfCodeLength), fields.stunCode);
  SetBit(image[kDtmfOptionOffset], kDtmfTxInhibitBit, fields.txInhibit);
}

std::string GroupCodeText(std::uint8_t code, Language lang) {
  if (code == kGroupCodeOff) return Tr(lang, "Off", "关");
  if (code == 0x00) return {};
  return std::string(1, static_cast<char>(code));
}

std::uint8_t GroupCodeOfText(std::string_view text) {
  if (text == "Off" || text == "关" || text.empty()) return kGroupCodeOff;
  return static_cast<std::uint8_t>(text.front());
}

std::string StunTypeText(bool txInhibit, Language lang) {
  return txInhibit ? Tr(lang, "Tx inhibit", "禁止发射")
                   : Tr(lang, "Transceiver inhibit", "禁止收发");
}

bool IsTxInhibitText(std::string_view text) {
  return text == "Tx inhibit" || text == "禁止发射";
}

bool IsDtmfCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
}

std::string KeepDtmfCharacters(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (c >= 'a' && c <= 'd') c = static_cast<char>(c - 'a' + 'A');
    if (IsDtmfCharacter(c)) kept.push_back(c);
  }
  return kept;
}

// ---- Fast-call list ----------------------------------------------------

std::size_t DtmfCallOffset(std::size_t index) {
  return kDtmfCallListOffset + kBlockSize * index;
}

DtmfCallList LoadDtmfCallList(const RadioImage& image) {
  DtmfCallList list;
  for (std::size_t n = 0; n < kDtmfCallCount; ++n)
    list[n] = ReadTextField(Field(image, DtmfCallOffset(n), kDtmfCallLength));
  return list;
}

void StoreDtmfCallList(RadioImage& image, const DtmfCallList& list) {
  for (std::size_t n = 0; n < kDtmfCallCount; ++n)
    WriteTextField(Field(image, DtmfCallOffset(n), kDtmfCallLength), list[n]);
}

}  // namespace radio
