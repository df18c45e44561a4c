#include "image/channel_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "image/bytes.h"
#include "image/decimal_text.h"

namespace radio {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;
using Record = std::array<std::uint8_t, kChannelRecordSize>;

Bytes4 Encoded(std::int64_t f) {
  Bytes4 b{};
  EncodeFrequency(f, b.data());
  return b;
}

std::pair<std::uint8_t, std::uint8_t> Tone(std::string_view text) {
  std::uint8_t low = 0x5A, high = 0x5A;
  EncodeToneText(text, low, high);
  return {high, low};
}

Record FilledRecord(std::uint8_t fill) {
  Record r;
  r.fill(fill);
  return r;
}

ChannelRow Row(std::initializer_list<const char*> texts) {
  ChannelRow row;
  std::size_t i = 0;
  for (const char* t : texts) row[i++] = t;
  return row;
}

// --- Frequencies ---

TEST(ChannelFrequency, StoresPackedBcdLowByteFirst) {
  EXPECT_EQ(Encoded(46256250), (Bytes4{0x50, 0x62, 0x25, 0x46}));
  EXPECT_EQ(Encoded(ParseFrequency("145.0125")), (Bytes4{0x50, 0x12, 0x50, 0x14}));
  EXPECT_EQ(Encoded(0), (Bytes4{0xFF, 0xFF, 0xFF, 0xFF}));
  const Bytes4 b = {0x50, 0x12, 0x50, 0x14};
  EXPECT_EQ(DecodeFrequency(b.data()), 14501250);
  EXPECT_EQ(FrequencyText(14501250), "145.01250");
  EXPECT_EQ(FrequencyText(46256250), "462.56250");
  EXPECT_EQ(FrequencyText(1000000), "10.00000");
}

TEST(ChannelFrequency, IsAbsentWhenTheTopByteIsZeroOrFF) {
  EXPECT_EQ(DecodeFrequency(Bytes4{0x50, 0x12, 0x50, 0x00}.data()), 0);
  EXPECT_EQ(DecodeFrequency(Bytes4{0x50, 0x12, 0x50, 0xFF}.data()), 0);
  EXPECT_EQ(DecodeFrequency(Bytes4{0xFF, 0xFF, 0xFF, 0x01}.data()), 2666665)
      << "lower bytes count at face value";
}

TEST(ChannelFrequency, TextToValueIsExactDecimalAndTruncates) {
  EXPECT_EQ(ParseFrequency("145.0125"), 14501250);
  EXPECT_EQ(ParseFrequency("145.01250"), 14501250);
  EXPECT_EQ(ParseFrequency("145.123456"), 14512345);
  EXPECT_EQ(ParseFrequency("462.5625"), 46256250);
  EXPECT_EQ(ParseFrequency(" 145.5 MHz"), 14550000);
  EXPECT_EQ(ParseFrequency("1.450125e2"), 14501250);
  for (const char* zero : {"", "abc", "None", "-0", "."})
    EXPECT_EQ(ParseFrequency(zero), 0) << zero;
  // Every 6.25 kHz and 5 kHz channel of both default bands survives text and back.
  for (std::int64_t f = 13400000; f <= 48000000; f += 125) {
    if (f == 17600125) f = 40000000;
    if (f % 500 != 0 && f % 625 != 0) continue;
    ASSERT_EQ(ParseFrequency(FrequencyText(f)), f) << f;
  }
}

TEST(ChannelFrequency, NormalisedTextRoundsToFiveDecimals) {
  EXPECT_EQ(NormaliseFrequencyText("145.5"), "145.50000");
  EXPECT_EQ(NormaliseFrequencyText("145.123456"), "145.12346");
  EXPECT_EQ(NormaliseFrequencyText("abc"), "0.00000");
  EXPECT_EQ(NormaliseFrequencyText(""), "0.00000");
}

TEST(ChannelFrequency, ValuesBeyondEightDigitsNeverSpillIntoNeighbours) {
  // Values from bytes with nibbles above 9 keep their value on the way back.
  const Bytes4 odd = {0xFF, 0xFF, 0xFF, 0xFE};
  const std::int64_t f = DecodeFrequency(odd.data());
  EXPECT_EQ(f, 165666665);
  EXPECT_EQ(DecodeFrequency(Encoded(f).data()), f);
  EXPECT_EQ(DecodeFrequency(Encoded(120000000).data()), 120000000);
  // Beyond what four digit pairs hold, or negative: no frequency, and only
  // the four bytes change.
  for (std::int64_t bad :
       {std::int64_t{165666666}, std::int64_t{999999999}, std::int64_t{-100000}, kDecimalLimit}) {
    std::array<std::uint8_t, 6> buf = {0x11, 0, 0, 0, 0, 0x22};
    EncodeFrequency(bad, buf.data() + 1);
    EXPECT_EQ(buf, (std::array<std::uint8_t, 6>{0x11, 0xFF, 0xFF, 0xFF, 0xFF, 0x22})) << bad;
  }
}

// --- Tones ---

TEST(ChannelTone, DecodesCtcssAndBothDcsPolarities) {
  EXPECT_EQ(ToneText(0x70, 0x06, Language::English), "67.0");
  EXPECT_EQ(ToneText(0x41, 0x25, Language::English), "254.1");
  EXPECT_EQ(ToneText(0x23, 0x80, Language::English), "D023N");
  EXPECT_EQ(ToneText(0x54, 0x87, Language::English), "D754N");
  EXPECT_EQ(ToneText(0x23, 0xC0, Language::English), "D023I");
  EXPECT_EQ(ToneText(0x54, 0xC7, Language::Chinese), "D754I");
  EXPECT_EQ(ToneText(0x05, 0x80, Language::English), "D05N") << "\"D0\" then the number";
  for (std::uint8_t high : {0x00, 0xFF}) {
    EXPECT_EQ(ToneText(0x12, high, Language::English), "None");
    EXPECT_EQ(ToneText(0x12, high, Language::Chinese), "无");
  }
}

TEST(ChannelTone, EncodesEveryTextForm) {
  using P = std::pair<std::uint8_t, std::uint8_t>;
  EXPECT_EQ(Tone("D023N"), P(0x80, 0x23));
  EXPECT_EQ(Tone("D023I"), P(0xC0, 0x23));
  EXPECT_EQ(Tone("D754I"), P(0xC7, 0x54));
  EXPECT_EQ(Tone("D754N"), P(0x87, 0x54));
  EXPECT_EQ(Tone("D023"), P(0xC0, 0x23)) << "no N means inverted";
  EXPECT_EQ(Tone("100.0"), P(0x10, 0x00));
  EXPECT_EQ(Tone("254.1"), P(0x25, 0x41));
  EXPECT_EQ(Tone("67.0"), P(0x06, 0x70));
  EXPECT_EQ(Tone("67.01"), P(0x06, 0x71)) << "tenths are rounded up";
  EXPECT_EQ(Tone("67"), P(0x06, 0x70));
  for (const char* none : {"None", "无", "", "0", "garbage"})
    EXPECT_EQ(Tone(none), P(0xFF, 0xFF)) << none;
}

TEST(ChannelTone, EveryListTextStoresItsOwnDigits) {
  for (Language lang : {Language::English, Language::Chinese}) {
    for (const std::string& text : ToneList(lang)) {
      std::uint8_t low = 0, high = 0;
      EncodeToneText(text, low, high);
      EXPECT_EQ(ToneText(low, high, lang), text);
    }
  }
}

TEST(ChannelTone, TextsThatCannotBeStoredGiveNoToneAndKeepCtcssOutOfDcs) {
  using P = std::pair<std::uint8_t, std::uint8_t>;
  EXPECT_EQ(Tone("D99999N"), P(0xFF, 0xFF));
  EXPECT_EQ(Tone("D-23N"), P(0xFF, 0xFF));
  EXPECT_EQ(Tone("900.0"), P(0xFF, 0xFF));
  EXPECT_EQ(Tone("-67.0"), P(0xFF, 0xFF));
  // Under 10.0 Hz: high byte 0x00, the tenths in the low byte.
  EXPECT_EQ(Tone("5.0"), P(0x00, 0x50));
  EXPECT_EQ(Tone("0.1"), P(0x00, 0x01));
  EXPECT_EQ(Tone("9.95"), P(0x01, 0x00)) << "tenths round up to 10.0";
  // 800.0 Hz in plain BCD would be 0x80 0x00, a DCS code; it stays a tone.
  const P stored = Tone("800.0");
  EXPECT_LT(stored.first, 0x80);
  EXPECT_EQ(ToneText(stored.second, stored.first, Language::English), "800.0");
}

TEST(ChannelTone, DcsCodesBeyondBcdReadBackAsTheyWereShown) {
  // First digit 0 with a code byte above 99: shown "D0123N", stored the same way.
  EXPECT_EQ(ToneText(0xC3, 0x80, Language::English), "D0123N");
  const auto [high, low] = Tone("D0123N");
  EXPECT_EQ(ToneText(low, high, Language::English), "D0123N");
  // Highest first digit with the largest code byte.
  EXPECT_EQ(ToneText(0xFF, 0xBF, Language::English), "D6465N");
  const auto [h2, l2] = Tone("D6465N");
  EXPECT_EQ(ToneText(l2, h2, Language::English), "D6465N");
  const auto [h3, l3] = Tone("D6365I");
  EXPECT_EQ(h3, 0xFE);
  EXPECT_EQ(ToneText(l3, h3, Language::English), "D6365I");
}

TEST(ToneList, Has261TextsInTheRadiosOrder) {
  const auto& en = ToneList(Language::English);
  const auto& zh = ToneList(Language::Chinese);
  ASSERT_EQ(en.size(), 261u);
  ASSERT_EQ(zh.size(), 261u);
  EXPECT_EQ(en[0], "None");
  EXPECT_EQ(zh[0], "无");
  EXPECT_EQ(en[1], "67.0");
  EXPECT_EQ(en[50], "254.1");
  EXPECT_EQ(en[51], "D023N");
  EXPECT_EQ(en[155], "D754N");
  EXPECT_EQ(en[156], "D023I");
  EXPECT_EQ(en[260], "D754I");
  EXPECT_EQ(en[13], "100.0");
  EXPECT_EQ(en[51 + 34], "D212N");
  EXPECT_TRUE(std::equal(en.begin() + 1, en.end(), zh.begin() + 1));
  EXPECT_EQ(std::set<std::string>(en.begin(), en.end()).size(), 261u) << "no duplicates";
  for (std::size_t i = 51; i < 156; ++i) EXPECT_EQ(en[i + 105], en[i].substr(0, 4) + "I");
}

// --- Flags ---

TEST(ChannelFlags, TextsInBothLanguages) {
  EXPECT_EQ(PowerText(true, Language::English), "High");
  EXPECT_EQ(PowerText(false, Language::Chinese), "低");
  EXPECT_EQ(BandwidthText(true, Language::Chinese), "宽");
  EXPECT_EQ(BandwidthText(false, Language::English), "Narrow");
  EXPECT_EQ(ScanAddText(true, Language::Chinese), "是");
  EXPECT_EQ(ScanAddText(false, Language::English), "No");
  EXPECT_EQ(BusyLockText(0, Language::Chinese), "关");
  EXPECT_EQ(BusyLockText(1, Language::Chinese), "载波");
  EXPECT_EQ(BusyLockText(2, Language::Chinese), "QT/DQT");
  EXPECT_EQ(BusyLockText(3, Language::English), "QT/DQT");
}

std::uint8_t FlagsAfter(const ChannelRow& row, std::uint8_t before) {
  Record r = FilledRecord(0xFF);
  r[13] = before;
  EncodeChannelRecord(row, r.data());
  return r[13];
}

TEST(ChannelFlags, TextToBitsAcceptsEitherLanguageAndKeepsBitZero) {
  const char* rx = "145.00000";
  EXPECT_EQ(FlagsAfter(Row({rx, rx, "", "", "", "High", "Wide", "Yes", "Off"}), 0x00), 0x38);
  EXPECT_EQ(FlagsAfter(Row({rx, rx, "", "", "", "高", "宽", "是", "关"}), 0x01), 0x39);
  EXPECT_EQ(FlagsAfter(Row({rx, rx, "", "", "", "Low", "Narrow", "No", "Carrier"}), 0xFF), 0x03);
  EXPECT_EQ(FlagsAfter(Row({rx, rx, "", "", "", "低", "窄", "否", "载波"}), 0xFE), 0x02);
  EXPECT_EQ(FlagsAfter(Row({rx, rx, "", "", "", "high", "", "", "QT/DQT"}), 0x00), 0x04)
      << "only the exact words set a bit";
  EXPECT_EQ(FlagsAfter(Row({rx, rx, "", "", "", "", "", "", ""}), 0x00), 0x04)
      << "any other busy-lock text is QT/DQT";
}

TEST(ChannelFlags, ShiftDirectionComparesTheTwoFrequencyTexts) {
  EXPECT_EQ(FlagsAfter(Row({"145.00000", "145.60000"}), 0x00) >> 6, 2);
  EXPECT_EQ(FlagsAfter(Row({"145.60000", "145.00000"}), 0x00) >> 6, 1);
  EXPECT_EQ(FlagsAfter(Row({"145.6", "145.60000"}), 0xC0) >> 6, 0);
  EXPECT_EQ(FlagsAfter(Row({"", ""}), 0xC0) >> 6, 0) << "two empty texts are equal";
  EXPECT_EQ(FlagsAfter(Row({"", "145.00000"}), 0x00) >> 6, 2);
}

// --- Records ---

TEST(ChannelRecordCodec, AllFFRecordIsEmptyAndEmptyTextsStoreTheBlankPattern) {
  const Record ff = FilledRecord(0xFF);
  EXPECT_TRUE(IsEmptyChannelRecord(ff.data()));
  for (Language lang : {Language::English, Language::Chinese})
    EXPECT_TRUE(IsBlankRow(DecodeChannelRecord(ff.data(), lang)));

  Record r = FilledRecord(0x5A);
  r[13] = 0xFF;
  EncodeChannelRecord(ChannelRow{}, r.data());
  for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(r[i], 0xFF) << i;
  for (std::size_t i = 16; i < 24; ++i) EXPECT_EQ(r[i], 0xFF) << i;
  EXPECT_EQ(r[13], 0x05) << "bits 7-3 clear, busy lock 10, bit 0 kept";
  EXPECT_EQ(r[12], 0x5A);
  EXPECT_EQ(r[14], 0x5A);
  EXPECT_EQ(r[15], 0x5A);
}

TEST(ChannelRecordCodec, MissingReceiveFrequencyHidesNameAndFlagsButNotToneOrTransmit) {
  Record r = FilledRecord(0xFF);
  const Bytes4 tx = Encoded(14560000);
  std::copy(tx.begin(), tx.end(), r.begin() + 4);
  r[0] = 0x50, r[1] = 0x12, r[2] = 0x50, r[3] = 0x00;  // receive absent: byte 3 is 0x00
  r[8] = 0x70, r[9] = 0x06;                            // decode tone 67.0
  r[10] = 0x00, r[11] = 0x00;                          // encode tone: none
  r[13] = 0x38;
  WriteTextField(std::span(r.data() + 16, 8), "ABC");
  for (Language lang : {Language::English, Language::Chinese}) {
    const ChannelRow row = DecodeChannelRecord(r.data(), lang);
    EXPECT_EQ(row, Row({"", "145.60000", "67.0", "", "", "", "", "", ""}));
  }
}

TEST(ChannelRecordCodec, DecodesAndStoresAFullChannel) {
  const ChannelRow row = Row(
      {"145.01250", "145.61250", "D023N", "254.1", "Home 1", "High", "Narrow", "Yes", "Carrier"});
  Record r = FilledRecord(0xFF);
  r[12] = 0x02, r[13] = 0x01, r[14] = 0x07, r[15] = 0x03;
  EncodeChannelRecord(row, r.data());
  const Record expected = {0x50, 0x12, 0x50, 0x14, 0x50, 0x12, 0x56, 0x14, 0x23, 0x80, 0x41, 0x25,
                           0x02, 0xAB, 0x07, 0x03, 'H',  'o',  'm',  'e',  ' ',  '1',  0xFF, 0xFF};
  EXPECT_EQ(r, expected);
  EXPECT_EQ(DecodeChannelRecord(r.data(), Language::English), row);
  EXPECT_EQ(DecodeChannelRecord(r.data(), Language::Chinese),
            Row({"145.01250", "145.61250", "D023N", "254.1", "Home 1", "高", "窄", "是", "载波"}));
}

TEST(ChannelRecordCodec, NamesPassBytesThroughUpToEightBytes) {
  const std::string gbk = "\xD6\xD0\xCE\xC4\xB5\xE7\xCC\xA8";  // four GBK characters
  Record r = FilledRecord(0xFF);
  EncodeChannelRecord(Row({"145.00000", "145.00000", "", "", gbk.c_str()}), r.data());
  EXPECT_TRUE(std::equal(gbk.begin(), gbk.end(), r.begin() + 16, [](char c, std::uint8_t b) {
    return static_cast<std::uint8_t>(c) == b;
  })) << "all eight bytes used, no 0xFF";
  EXPECT_EQ(DecodeChannelRecord(r.data(), Language::Chinese)[kChannelName], gbk);

  EncodeChannelRecord(Row({"145.00000", "145.00000", "", "", "ABCDEFGHIJ"}), r.data());
  EXPECT_EQ(DecodeChannelRecord(r.data(), Language::English)[kChannelName], "ABCDEFGH");
  r[19] = 0x00;
  EXPECT_EQ(DecodeChannelRecord(r.data(), Language::English)[kChannelName], "ABC")
      << "0x00 ends the name too";
}

TEST(ChannelRecordCodec, RowLabels) {
  EXPECT_EQ(ChannelRowLabel(0), "1");
  EXPECT_EQ(ChannelRowLabel(127), "128");
  EXPECT_EQ(ChannelRowLabel(kFrRecord), "Fr");
}

// --- The table ---

TEST(ChannelTable, DecodeRefreshesTheBandStateFromTheImage) {
  BandLimitBytes process{};
  RadioImage image = MakeNewImage(process);
  WriteBandLimitBlock(image, {0x13, 0x17, 0x46, 0x40, 0x48, 0x00});
  ChannelTable table;
  table[5][kChannelName] = "stale";
  BandState band;
  band.limits = BandLimits{1, 2, 3, 4};
  DecodeChannelTable(image, table, band, Language::English);
  EXPECT_EQ(band.limits, (BandLimits{13400000, 17600000, 40000000, 48000000}));
  EXPECT_EQ(band.bytes, (BandLimitBytes{0x13, 0x17, 0x46, 0x40, 0x48, 0x00}));
  for (const ChannelRow& row : table) EXPECT_TRUE(IsBlankRow(row));
}

TEST(ChannelTable, EncodeWritesBandLimitsRowsAndTheCommitBit) {
  BandLimitBytes process{};
  RadioImage image = MakeNewImage(process);
  ChannelTable table;
  table[0] = Row({"145.50000", "145.50000", "None", "None", "", "High", "Wide", "Yes", "Off"});
  table[kFrRecord] =
      Row({"435.00000", "430.00000", "67.0", "D754I", "FR", "Low", "Wide", "No", "QT/DQT"});
  EncodeChannelTable(table, BandLimits{13600000, 17400000, 40000000, 47000000}, image);
  EXPECT_EQ(ReadBandLimitBlock(image), (BandLimitBytes{0x13, 0x17, 0x64, 0x40, 0x47, 0x00}));
  EXPECT_EQ(image[kChannelCommitOffset], 0x09);
  EXPECT_EQ(DecodeFrequency(image.data()), 14550000);
  EXPECT_EQ(image[13], 0x39) << "high, wide, scan add, busy off, bit 0 kept from 0xFF";
  EXPECT_EQ(image[0xC00 + 13], 0x55) << "FR: transmit below, wide, QT/DQT, bit 0 kept";
  ChannelTable back;
  BandState band;
  DecodeChannelTable(image, back, band, Language::English);
  EXPECT_EQ(back, table);
}

TEST(ChannelTable, CommitWritesOnlyWhatTheUserChanged) {
  BandLimitBytes process{};
  RadioImage image = MakeNewImage(process);
  std::fill_n(image.data() + kBandLimitOffset, 6, std::uint8_t{0xFF});
  // Channel 1: receive but no transmit frequency, with a name and flags
  // this program would not have written.
  std::uint8_t* r = image.data();
  EncodeFrequency(14550000, r);
  WriteTextField(std::span(r + 16, 8), "OLD");
  r[13] = 0x2B;
  // Channel 2: transmit above receive, but stale shift bits 00.
  std::uint8_t* r2 = image.data() + kChannelRecordSize;
  EncodeFrequency(14500000, r2);
  EncodeFrequency(14560000, r2 + 4);
  r2[13] = 0x28;
  ChannelTable table;
  BandState band;
  DecodeChannelTable(image, table, band, Language::English);
  RadioImage saved = image;
  EncodeChannelTable(table, band.limits, saved);
  EXPECT_EQ(ReadBandLimitBlock(saved), (BandLimitBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  saved[kChannelCommitOffset] = image[kChannelCommitOffset];
  EXPECT_EQ(saved, image);

  // A typed name is written; the flags and the other bytes stay.
  table[0][kChannelName] = "NEW";
  StoreChangedChannelFields(table[0], r);
  EXPECT_EQ(ReadTextField(std::span(r + 16, 8)), "NEW");
  EXPECT_EQ(r[13], 0x2B);
  // A changed frequency brings the shift bits with it.
  table[1][kTxFrequency] = "144.90000";
  StoreChangedChannelFields(table[1], r2);
  EXPECT_EQ(r2[13], 0x68) << "transmit below receive";
}

// --- Properties over many images ---

RadioImage RandomImage(std::mt19937& rng) {
  RadioImage image;
  std::uniform_int_distribution<int> byte(0, 255);
  for (auto& b : image) b = static_cast<std::uint8_t>(byte(rng));
  return image;
}

// An image as the radio writes it: BCD frequencies, list tones, ASCII names.
RadioImage PlausibleImage(std::mt19937& rng) {
  RadioImage image = RandomImage(rng);
  std::uniform_int_distribution<int> pick(0, 999);
  const auto& tones = ToneList(Language::English);
  for (int i = 0; i < kChannelRecords; ++i) {
    std::uint8_t* r = image.data() + i * kChannelRecordSize;
    if (pick(rng) < 200) continue;  // some records stay random
    const std::int64_t rx = 13400000 + 625 * (pick(rng) % 6000);
    const std::int64_t tx = pick(rng) < 100 ? 0 : rx + 500 * (pick(rng) % 20 - 10);
    EncodeFrequency(rx, r);
    EncodeFrequency(tx, r + 4);
    EncodeToneText(tones[static_cast<std::size_t>(pick(rng)) % tones.size()], r[8], r[9]);
    EncodeToneText(tones[static_cast<std::size_t>(pick(rng)) % tones.size()], r[10], r[11]);
    std::string name(static_cast<std::size_t>(pick(rng) % 9), 'A');
    for (char& c : name) c = static_cast<char>('A' + pick(rng) % 26);
    WriteTextField(std::span(r + 16, 8), name);
  }
  return image;
}

class ChannelTableProperty : public ::testing::TestWithParam<bool> {};

TEST_P(ChannelTableProperty, DecodeEncodeDecodeKeepsTextsAndEveryByte) {
  const bool plausible = GetParam();
  std::mt19937 rng(plausible ? 20240611u : 1234567u);
  for (int round = 0; round < 150; ++round) {
    const RadioImage original = plausible ? PlausibleImage(rng) : RandomImage(rng);
    for (Language lang : {Language::English, Language::Chinese}) {
      ChannelTable first, second;
      BandState band;
      DecodeChannelTable(original, first, band, lang);
      RadioImage image = original;
      EncodeChannelTable(first, band.limits, image);
      DecodeChannelTable(image, second, band, lang);
      ASSERT_EQ(first, second) << "round " << round;
      // Nothing was typed: only the commit bit may change.
      image[kChannelCommitOffset] = original[kChannelCommitOffset];
      ASSERT_EQ(image, original) << "round " << round;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(RandomAndPlausibleImages, ChannelTableProperty, ::testing::Bool());

TEST(ChannelTableProperty, RadioWrittenRecordsStoreBackByteForByte) {
  std::mt19937 rng(777u);
  for (int round = 0; round < 50; ++round) {
    RadioImage original = PlausibleImage(rng);
    // Make the derived bits agree with the texts, as the program writes them.
    ChannelTable table;
    BandState band;
    DecodeChannelTable(original, table, band, Language::English);
    EncodeChannelTable(table, band.limits, original);
    for (int i = 0; i < kChannelRecords; ++i) {
      std::uint8_t* r = original.data() + i * kChannelRecordSize;
      if (IsEmptyChannelRecord(r)) continue;
      std::uniform_int_distribution<int> byte(0, 255);
      // Any flags except busy lock 11 (which reads as QT/DQT and stores as 10).
      const std::uint8_t flags = static_cast<std::uint8_t>(byte(rng));
      r[13] = static_cast<std::uint8_t>((r[13] & 0xC0) | (flags & 0x3F));
      if (GetBits(r[13], 1, 2) == 3) SetBits(r[13], 1, 2, 2);
    }
    DecodeChannelTable(original, table, band, Language::Chinese);
    RadioImage image = original;
    EncodeChannelTable(table, band.limits, image);
    for (int i = 0; i < kChannelRecords; ++i) {
      const std::uint8_t* r = original.data() + i * kChannelRecordSize;
      if (IsEmptyChannelRecord(r)) continue;
      ASSERT_TRUE(std::equal(r, r + kChannelRecordSize, image.data() + i * kChannelRecordSize))
          << "round " << round << " record " << i;
    }
  }
}

TEST(ChannelCodec, OptionalSignalFieldsChangeOnlyTheirOwnBits) {
  std::uint8_t r[kChannelRecordSize];
  std::fill(std::begin(r), std::end(r), 0xFF);
  EXPECT_EQ(GetOptionalSignalKind(r), 7);  // a new record: not set
  SetOptionalSignalKind(r, kSignalTwoTone);
  EXPECT_EQ(r[12], 0xFC);  // bits 3-7 stay
  EXPECT_EQ(GetOptionalSignalKind(r), kSignalTwoTone);
  SetOptionalSignalEncode(r, 32);
  SetOptionalSignalDecode(r, 0);
  EXPECT_EQ(r[14], 32);
  EXPECT_EQ(r[15], 0);
  EXPECT_EQ(GetOptionalSignalEncode(r), 32);
  EXPECT_EQ(GetOptionalSignalDecode(r), 0);
  // The grid's texts never touch them.
  EncodeChannelRecord({"145.50000", "145.50000", "None", "None", "", "High", "Wide", "Yes", "Off"},
                      r);
  EXPECT_EQ(r[12], 0xFC);
  EXPECT_EQ(r[14], 32);
  EXPECT_EQ(r[15], 0);
}

}  // namespace
}  // namespace radio
