#include "image/channel_codec.h"

#include <algorithm>
#include <span>

#include "image/bytes.h"
#include "image/decimal_text.h"

namespace radio {
namespace {

// Byte offsets inside a channel record.
constexpr std::size_t kRxOffset = 0;
constexpr std::size_t kTxOffset = 4;
constexpr std::size_t kDecodeToneOffset = 8;
constexpr std::size_t kEncodeToneOffset = 10;
constexpr std::size_t kSignalKindOffset = 12;
constexpr std::size_t kFlagsOffset = 13;
constexpr std::size_t kSignalEncodeOffset = 14;
constexpr std::size_t kSignalDecodeOffset = 15;
constexpr std::size_t kNameOffset = 16;
constexpr std::size_t kNameSize = 8;

// Bits of the flags byte 13 (bit 0 belongs to nobody and is kept).
constexpr int kShiftLowBit = 6;  // bits 7-6: 10 above, 01 below, 00 equal
constexpr int kPowerBit = 5;
constexpr int kWideBit = 4;
constexpr int kScanAddBit = 3;
constexpr int kBusyLockLowBit = 1;  // bits 2-1

// The largest digit-pair value a byte can hold (0xFF: 15 x 10 + 15).
constexpr int kMaxPair = 165;

// A byte whose digit pair is `value`, high nibble at most `maxHigh`. For
// 0-99 this is plain BCD; larger values occur only in bytes that were not
// plain BCD to begin with, and are kept so that they read back the same.
std::uint8_t PairByte(int value, int maxHigh = 15) {
  if (value <= 99 && value / 10 <= maxHigh) return ToBcd(value);
  const int high = std::min(value / 10, maxHigh);
  return static_cast<std::uint8_t>((high << 4) | (value - 10 * high));
}

bool ToneAbsent(std::uint8_t high) {
  return high == 0x00 || high == 0xFF;
}

std::string Plain(std::int64_t v) {
  return std::to_string(v);
}

bool IsEither(std::string_view text, const char* english, const char* chinese) {
  return text == english || text == chinese;
}

// The digits of a DCS text after its first character: leading blanks and a
// sign as atoi takes them, then the leading digits. Saturates far beyond
// any code.
struct DcsDigits {
  std::int64_t code = 0;
  bool negative = false;
  bool leadingZero = false;
};
DcsDigits ReadDcsDigits(std::string_view rest) {
  DcsDigits out;
  std::size_t i = 0;
  while (i < rest.size() && (rest[i] == ' ' || (rest[i] >= '\t' && rest[i] <= '\r'))) ++i;
  if (i < rest.size() && (rest[i] == '+' || rest[i] == '-')) out.negative = rest[i++] == '-';
  out.leadingZero = i < rest.size() && rest[i] == '0';
  for (; i < rest.size() && rest[i] >= '0' && rest[i] <= '9'; ++i)
    out.code = std::min<std::int64_t>(out.code * 10 + (rest[i] - '0'), 1'000'000);
  return out;
}

std::vector<std::string> MakeToneList(Language lang) {
  static const char* const kCtcss[] = {
      "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
      "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
      "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
      "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
      "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
  static const char* const kDcs[] = {
      "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
      "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
      "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
      "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
      "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
      "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
      "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
      "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
      "664", "703", "712", "723", "731", "732", "734", "743", "754"};
  std::vector<std::string> list;
  list.reserve(261);
  list.emplace_back(Tr(lang, "None", "无"));
  for (const char* t : kCtcss) list.emplace_back(t);
  for (const char* suffix : {"N", "I"})
    for (const char* code : kDcs) list.push_back(std::string("D") + code + suffix);
  return list;
}

}  // namespace

// --- Frequencies ---

std::int64_t DecodeFrequency(const std::uint8_t* b) {
  if (b[3] == 0x00 || b[3] == 0xFF) return 0;
  std::int64_t f = 0;
  for (int i = 3; i >= 0; --i) f = f * 100 + DigitPair(b[i]);
  return f;
}

void EncodeFrequency(std::int64_t f, std::uint8_t* b) {
  // Plain BCD for 8-digit values. Larger ones, up to what four digit pairs
  // can hold (byte 3 short of 0xFF), keep their value with nibbles above 9,
  // as some images carry them. Anything else cannot be stored: no frequency.
  int pairs[4];
  std::int64_t rest = f;
  pairs[3] = static_cast<int>(std::clamp<std::int64_t>(rest / 1000000, 0, kMaxPair - 1));
  rest -= pairs[3] * std::int64_t{1000000};
  pairs[2] = static_cast<int>(std::clamp<std::int64_t>(rest / 10000, 0, kMaxPair));
  rest -= pairs[2] * std::int64_t{10000};
  pairs[1] = static_cast<int>(std::clamp<std::int64_t>(rest / 100, 0, kMaxPair));
  rest -= pairs[1] * std::int64_t{100};
  if (f <= 0 || rest > kMaxPair) {
    std::fill_n(b, 4, std::uint8_t{0xFF});
    return;
  }
  pairs[0] = static_cast<int>(rest);
  for (int i = 0; i < 4; ++i) b[i] = PairByte(pairs[i]);
}

std::string FrequencyText(std::int64_t f) {
  const std::int64_t magnitude = f < 0 ? -f : f;
  std::string fraction = Plain(magnitude % 100000);
  fraction.insert(0, 5 - fraction.size(), '0');
  return (f < 0 ? "-" : "") + Plain(magnitude / 100000) + "." + fraction;
}

std::int64_t ParseFrequency(std::string_view mhz) {
  return ScaleDecimal(ReadDecimalNumber(mhz), 5, DecimalRounding::kTruncate);
}

std::string NormaliseFrequencyText(std::string_view mhz) {
  return FixedText(ReadDecimalNumber(mhz), 5);
}

// --- Tone codes ---

std::string ToneText(std::uint8_t low, std::uint8_t high, Language lang) {
  if (ToneAbsent(high)) return Tr(lang, "None", "无");
  if (high < 0x80) {
    const int tenths = DigitPair(high) * 100 + DigitPair(low);
    return Plain(tenths / 10) + "." + Plain(tenths % 10);
  }
  const bool inverted = high >= 0xC0;
  const int first = high - (inverted ? 0xC0 : 0x80);
  const int code = first * 100 + DigitPair(low);
  return (first == 0 ? "D0" : "D") + Plain(code) + (inverted ? "I" : "N");
}

void EncodeToneText(std::string_view text, std::uint8_t& low, std::uint8_t& high) {
  low = high = 0xFF;  // no tone, also for anything that cannot be stored
  if (text.find('D') != std::string_view::npos) {
    const std::string_view rest = text.substr(1);
    const DcsDigits digits = ReadDcsDigits(rest);
    if (digits.negative && digits.code != 0) return;
    const bool inverted = rest.find('N') == std::string_view::npos;
    // First octal digit in the high byte: up to 0xBF normal, 0xFE inverted.
    const int maxFirst = inverted ? 0xFE - 0xC0 : 0xBF - 0x80;
    // A "D0" text names first digit 0 even when more digits follow, as a
    // code byte beyond BCD reads back ("D0123N").
    const std::int64_t first =
        digits.leadingZero ? 0 : std::min<std::int64_t>(digits.code / 100, maxFirst);
    const std::int64_t pair = digits.code - 100 * first;
    if (pair > kMaxPair) return;
    high = static_cast<std::uint8_t>((inverted ? 0xC0 : 0x80) + first);
    low = PairByte(static_cast<int>(pair));
    return;
  }
  // CTCSS in tenths of a hertz, rounded up; 0 ("None", "无", "") is no tone.
  // The high byte stays below 0x80, where the DCS codes begin.
  constexpr int kMaxHighPair = 85;  // 0x7F: 7 x 10 + 15
  const std::int64_t tenths = ScaleDecimal(ReadDecimalNumber(text), 1, DecimalRounding::kCeiling);
  // Under 10.0 Hz the high byte is 0x00 and the low byte carries the tenths.
  if (tenths < 1 || tenths > kMaxHighPair * 100 + kMaxPair) return;
  const int highPair = static_cast<int>(std::min<std::int64_t>(tenths / 100, kMaxHighPair));
  high = PairByte(highPair, 7);
  low = PairByte(static_cast<int>(tenths - 100 * highPair));
}

const std::vector<std::string>& ToneList(Language lang) {
  static const std::vector<std::string> english = MakeToneList(Language::English);
  static const std::vector<std::string> chinese = MakeToneList(Language::Chinese);
  return lang == Language::Chinese ? chinese : english;
}

// --- Flag texts ---

std::string PowerText(bool high, Language lang) {
  return high ? Tr(lang, "High", "高") : Tr(lang, "Low", "低");
}
std::string BandwidthText(bool wide, Language lang) {
  return wide ? Tr(lang, "Wide", "宽") : Tr(lang, "Narrow", "窄");
}
std::string ScanAddText(bool yes, Language lang) {
  return yes ? Tr(lang, "Yes", "是") : Tr(lang, "No", "否");
}
std::string BusyLockText(int code, Language lang) {
  if (code == 0) return Tr(lang, "Off", "关");
  if (code == 1) return Tr(lang, "Carrier", "载波");
  return "QT/DQT";
}

std::string OptionalSignalText(const std::uint8_t* record, Language lang) {
  switch (GetBits(record[12], 0, 3)) {
    case 1:
      return "MSK";
    case 2:
      return "DTMF";
    case 4:
      return "2-Tone";
    default:
      return Tr(lang, "None", "无");
  }
}

// --- Records ---

bool IsEmptyChannelRecord(const std::uint8_t* r) {
  return DecodeFrequency(r + kRxOffset) == 0 || DecodeFrequency(r + kTxOffset) == 0;
}

bool IsBlankRow(const ChannelRow& row) {
  return std::all_of(row.begin(), row.end(), [](const std::string& t) { return t.empty(); });
}

std::string ChannelRowLabel(int index) {
  return index == kFrRecord ? "Fr" : Plain(index + 1);
}

const char* ChannelColumnTitle(int column, Language lang) {
  static const char* const kEnglish[kChannelFieldCount + 1] = {
      "CH",          "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
      "Chnnel Name", "Power",        " W/N ",        "Scan Add",   "Busy Lock"};
  static const char* const kChinese[kChannelFieldCount + 1] = {
      "信道",     "接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码",
      "信道名字", "功率",     "宽/窄",    "扫描添加",   "繁忙锁定"};
  if (column < 0 || column > kChannelFieldCount) return "";
  return (lang == Language::Chinese ? kChinese : kEnglish)[column];
}

ChannelRow DecodeChannelRecord(const std::uint8_t* r, Language lang) {
  ChannelRow row;
  const std::int64_t rx = DecodeFrequency(r + kRxOffset);
  const std::int64_t tx = DecodeFrequency(r + kTxOffset);
  const bool empty = rx == 0 || tx == 0;
  if (rx != 0) row[kRxFrequency] = FrequencyText(rx);
  if (tx != 0) row[kTxFrequency] = FrequencyText(tx);
  const auto tone = [&](std::size_t at) {
    const std::uint8_t low = r[at], high = r[at + 1];
    return empty && ToneAbsent(high) ? std::string() : ToneText(low, high, lang);
  };
  row[kDecodeTone] = tone(kDecodeToneOffset);
  row[kEncodeTone] = tone(kEncodeToneOffset);
  if (empty) return row;
  row[kChannelName] = ReadTextField(std::span(r + kNameOffset, kNameSize));
  const std::uint8_t flags = r[kFlagsOffset];
  row[kPower] = PowerText(GetBit(flags, kPowerBit), lang);
  row[kBandwidth] = BandwidthText(GetBit(flags, kWideBit), lang);
  row[kScanAdd] = ScanAddText(GetBit(flags, kScanAddBit), lang);
  row[kBusyLock] = BusyLockText(GetBits(flags, kBusyLockLowBit, 2), lang);
  return row;
}

void EncodeChannelRecord(const ChannelRow& row, std::uint8_t* r) {
  EncodeFrequency(ParseFrequency(row[kRxFrequency]), r + kRxOffset);
  EncodeFrequency(ParseFrequency(row[kTxFrequency]), r + kTxOffset);
  EncodeToneText(row[kDecodeTone], r[kDecodeToneOffset], r[kDecodeToneOffset + 1]);
  EncodeToneText(row[kEncodeTone], r[kEncodeToneOffset], r[kEncodeToneOffset + 1]);
  WriteTextField(std::span(r + kNameOffset, kNameSize), row[kChannelName]);

  std::uint8_t& flags = r[kFlagsOffset];
  SetBit(flags, kPowerBit, IsEither(row[kPower], "High", "高"));
  SetBit(flags, kWideBit, IsEither(row[kBandwidth], "Wide", "宽"));
  SetBit(flags, kScanAddBit, IsEither(row[kScanAdd], "Yes", "是"));
  const std::string& busy = row[kBusyLock];
  SetBits(flags, kBusyLockLowBit, 2,
          IsEither(busy, "Off", "关")         ? 0
          : IsEither(busy, "Carrier", "载波") ? 1
                                              : 2);
  // Shift direction from the two texts as MHz numbers (two empty texts are equal).
  const double rx = ReadDecimalNumber(row[kRxFrequency]);
  const double tx = ReadDecimalNumber(row[kTxFrequency]);
  SetBits(flags, kShiftLowBit, 2, tx > rx ? 2 : tx < rx ? 1 : 0);
}

void StoreChangedChannelFields(const ChannelRow& row, std::uint8_t* r) {
  // A text equal to what the record shows now, in either language, changes
  // nothing: bytes the grid cannot show (a name behind a missing transmit
  // frequency, stale shift bits, a tone high byte of 0x00) stay as they are.
  const ChannelRow english = DecodeChannelRecord(r, Language::English);
  const ChannelRow chinese = DecodeChannelRecord(r, Language::Chinese);
  const auto changed = [&](ChannelField f) { return row[f] != english[f] && row[f] != chinese[f]; };
  std::array<std::uint8_t, kChannelRecordSize> encoded;
  std::copy_n(r, kChannelRecordSize, encoded.begin());
  EncodeChannelRecord(row, encoded.data());
  const auto take = [&](std::size_t at, std::size_t size) {
    std::copy_n(encoded.begin() + static_cast<std::ptrdiff_t>(at), size, r + at);
  };
  const auto takeBits = [&](int low, int count) {
    SetBits(r[kFlagsOffset], low, count, GetBits(encoded[kFlagsOffset], low, count));
  };
  if (changed(kRxFrequency)) take(kRxOffset, 4);
  if (changed(kTxFrequency)) take(kTxOffset, 4);
  if (changed(kDecodeTone)) take(kDecodeToneOffset, 2);
  if (changed(kEncodeTone)) take(kEncodeToneOffset, 2);
  if (changed(kChannelName)) take(kNameOffset, kNameSize);
  if (changed(kPower)) takeBits(kPowerBit, 1);
  if (changed(kBandwidth)) takeBits(kWideBit, 1);
  if (changed(kScanAdd)) takeBits(kScanAddBit, 1);
  if (changed(kBusyLock)) takeBits(kBusyLockLowBit, 2);
  // The shift direction follows the frequencies when one of them changes.
  if (changed(kRxFrequency) || changed(kTxFrequency)) takeBits(kShiftLowBit, 2);
}

void DecodeChannelTable(const RadioImage& image, ChannelTable& table, BandState& band,
                        Language lang) {
  for (int i = 0; i < kChannelRecords; ++i)
    table[static_cast<std::size_t>(i)] =
        DecodeChannelRecord(image.data() + static_cast<std::size_t>(i) * kChannelRecordSize, lang);
  band.RefreshFromImage(image);
}

void EncodeChannelTable(const ChannelTable& table, const BandLimits& limits, RadioImage& image) {
  // A block that already reads as these limits keeps its bytes (an all-0xFF
  // block included); only new limits are written.
  if (DecodeBandLimits(ReadBandLimitBlock(image)) != limits)
    WriteBandLimitBlock(image, EncodeBandLimits(limits));
  for (int i = 0; i < kChannelRecords; ++i)
    StoreChangedChannelFields(table[static_cast<std::size_t>(i)],
                              image.data() + static_cast<std::size_t>(i) * kChannelRecordSize);
  SetBit(image[kChannelCommitOffset], kChannelCommitBit, true);
}

// --- Optional signal ---

int GetOptionalSignalKind(const std::uint8_t* r) {
  return GetBits(r[kSignalKindOffset], 0, 3);
}
void SetOptionalSignalKind(std::uint8_t* r, int kind) {
  SetBits(r[kSignalKindOffset], 0, 3, kind);
}
std::uint8_t GetOptionalSignalEncode(const std::uint8_t* r) {
  return r[kSignalEncodeOffset];
}
void SetOptionalSignalEncode(std::uint8_t* r, std::uint8_t number) {
  r[kSignalEncodeOffset] = number;
}
std::uint8_t GetOptionalSignalDecode(const std::uint8_t* r) {
  return r[kSignalDecodeOffset];
}
void SetOptionalSignalDecode(std::uint8_t* r, std::uint8_t number) {
  r[kSignalDecodeOffset] = number;
}

}  // namespace radio
