#include "compare/image_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "compare/setting_items.h"
#include "features/dtmf_fields.h"
#include "features/optional_features_fields.h"
#include "features/side_key_fields.h"
#include "interchange/channel_test_image.h"

namespace radio {
namespace {

using test::BlankImage;
using test::Record;
using test::SampleImage;
using test::SetChannel;

std::vector<std::string> Lines(const RadioImage& a, const RadioImage& b,
                               Language lang = Language::English) {
  std::vector<std::string> lines;
  for (const ImageDifference& d : DiffImages(a, b, lang)) lines.push_back(DifferenceText(d, lang));
  return lines;
}

TEST(ImageDiff, EqualImagesHaveNoDifferences) {
  EXPECT_TRUE(DiffImages(SampleImage(), SampleImage(), Language::English).empty());
}

TEST(ImageDiff, ChangedChannelCellsAreNamedByTheGridColumns) {
  RadioImage a = BlankImage();
  SetChannel(a, 12, "145.5", "145.5");
  RadioImage b = a;
  SetChannel(b, 12, "145.525", "145.5");
  const auto diffs = DiffImages(a, b, Language::English);
  ASSERT_EQ(diffs.size(), 1u);
  EXPECT_EQ(diffs[0].kind, DifferenceKind::Channel);
  EXPECT_EQ(diffs[0].channel, 12);
  EXPECT_EQ(DifferenceText(diffs[0], Language::English),
            "Channel 12 Rx Frequency: 145.50000 → 145.52500");

  // A channel filled in shows every cell, the empty side as "(empty)"; the
  // W/N title appears without the grid's padding; the Fr row is named so.
  RadioImage c = a;
  SetChannel(c, 129, "146.0", "146.6", "None", "D023N", "REPEAT", "Low", "Narrow", "No", "Carrier");
  EXPECT_EQ(Lines(a, c), (std::vector<std::string>{
                             "Channel Fr Rx Frequency: (empty) → 146.00000",
                             "Channel Fr Tx Frequency: (empty) → 146.60000",
                             "Channel Fr QT/DQT Dec: (empty) → None",
                             "Channel Fr QT/DQT Enc: (empty) → D023N",
                             "Channel Fr Chnnel Name: (empty) → REPEAT",
                             "Channel Fr Power: (empty) → Low",
                             "Channel Fr W/N: (empty) → Narrow",
                             "Channel Fr Scan Add: (empty) → No",
                             "Channel Fr Busy Lock: (empty) → Carrier",
                         }));
  for (const ImageDifference& d : DiffImages(a, c, Language::English)) EXPECT_EQ(d.channel, 129);
}

TEST(ImageDiff, ChannelBytesTheGridDoesNotShowAreReportedRawWithTheirChannel) {
  RadioImage a = SampleImage();
  RadioImage b = a;
  Record(b, 5)[12] ^= 0x07;  // optional signal kind
  Record(b, 5)[13] ^= 0x01;  // bit 0 of the flags byte belongs to nobody
  // A byte after the name's terminator: channel 1 still shows "CALL".
  RadioImage c = a;
  Record(c, 1)[23] = 0x41;
  const auto diffs = DiffImages(a, b, Language::English);
  ASSERT_EQ(diffs.size(), 1u);
  EXPECT_EQ(diffs[0].kind, DifferenceKind::Bytes);
  EXPECT_EQ(diffs[0].channel, 5);
  EXPECT_EQ(diffs[0].offset, 4 * kChannelRecordSize + 12);
  EXPECT_EQ(diffs[0].length, 2u);
  const auto names = DiffImages(a, c, Language::English);
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(DifferenceText(names[0], Language::English), "Byte 0x0017: 0xFF → 0x41");
  EXPECT_EQ(names[0].channel, 1);
}

TEST(ImageDiff, ChangedSettingsAreNamedByDialogAndLabel) {
  RadioImage a = BlankImage();
  OptionalFeatures o = LoadOptionalFeatures(a);
  o.squelchLevel = 3;
  StoreOptionalFeatures(o, a);
  RadioImage b = a;
  o.squelchLevel = 5;
  o.backLight = 2;
  StoreOptionalFeatures(o, b);
  EXPECT_EQ(Lines(a, b), (std::vector<std::string>{
                             "Optional Features / Back Light: Auto → On",
                             "Optional Features / Squelch Level: 3 → 5",
                         }));

  RadioImage c = a;
  DtmfCallList calls = LoadDtmfCallList(c);
  calls[2] = "123";
  StoreDtmfCallList(c, calls);
  StoreSideKeyPosition(3, c);
  c[0x17EF] = 0x40;  // V narrow squelch tuning, shown 0
  EXPECT_EQ(Lines(a, c), (std::vector<std::string>{
                             "DTMF / CallList / Fast Call List 3: (empty) → 123",
                             "Key Assignment / Side Key: Option Singalling Call → Squelch Off "
                             "Momentary",
                             "Squelch Tuning / V Narrow Squelch Tuning: -25 → 0",
                         }));
}

TEST(ImageDiff, SettingBytesThatShowTheSameAreReportedRaw) {
  RadioImage a = BlankImage();
  RadioImage b = a;
  // TOT 10 is beyond the list and shows "Off" like 0.
  a[0x1260] = 0x00;
  b[0x1260] = 0x0A;
  // Bit 1 of 0x1266 belongs to no dialog; back light changes beside it.
  b[0x1266] = static_cast<std::uint8_t>((a[0x1266] ^ 0x02 ^ 0x30));
  EXPECT_EQ(Lines(a, b), (std::vector<std::string>{
                             "Optional Features / Back Light: Auto → On",
                             "Byte 0x1260: 0x00 → 0x0A",
                             "Byte 0x1266: 0x13 → 0x21",
                         }));
}

TEST(ImageDiff, UnmappedBytesAreReportedByOffsetInShortRuns) {
  RadioImage a = BlankImage();
  RadioImage b = a;
  b[0x0C40] = 0x01;
  b[0x0C41] = 0x02;
  b[0x0C42] = 0x03;
  b[0x12AB] ^= 0x08;  // the grid-commit bit
  for (std::size_t i = 0x0D00; i < 0x0D0A; ++i) b[i] = 0x00;
  const auto diffs = DiffImages(a, b, Language::English);
  std::vector<std::string> lines;
  for (const auto& d : diffs) lines.push_back(DifferenceText(d, Language::English));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Bytes 0x0C40-0x0C42: FF FF FF → 01 02 03",
                       "Bytes 0x0D00-0x0D07: FF FF FF FF FF FF FF FF → 00 00 00 00 00 00 00 00",
                       "Bytes 0x0D08-0x0D09: FF FF → 00 00",
                       "Byte 0x12AB: 0x01 → 0x09",
                   }));
  for (const auto& d : diffs) EXPECT_EQ(d.channel, 0);
  EXPECT_EQ(diffs[0].length, 3u);

  // A run never crosses from one channel record into the next.
  RadioImage c = a;
  c[kChannelRecordSize - 1] = 0x00;
  c[kChannelRecordSize] = 0x00;
  c[kChannelRecordSize + 12] = 0x00;
  const auto edge = DiffImages(a, c, Language::English);
  ASSERT_EQ(edge.size(), 3u);
  EXPECT_EQ(edge[0].channel, 1);
  EXPECT_EQ(edge[1].channel, 2);
}

TEST(ImageDiff, ChineseNamesColumnsDialogsAndValues) {
  RadioImage a = BlankImage();
  SetChannel(a, 3, "145.5", "145.5");
  RadioImage b = a;
  SetChannel(b, 3, "145.5", "145.5", "None", "None", "", "低");
  OptionalFeatures o = LoadOptionalFeatures(b);
  o.backLight = 2;
  StoreOptionalFeatures(o, b);
  DtmfDecodeFields dec = LoadDtmfDecode(b);
  dec.groupCode = kGroupCodeOff;
  StoreDtmfDecode(b, dec);
  b[0x0C40] = 0x00;
  RadioImage c = a;
  SetChannel(c, 7, "145.5", "145.5");
  EXPECT_EQ(Lines(a, b, Language::Chinese), (std::vector<std::string>{
                                                "信道 3 功率: 高 → 低",
                                                "可选功能 / 背光: 自动 → 打开",
                                                "DTMF / 解码 / 组码: A → 关",
                                                "字节 0x0C40: 0xFF → 0x00",
                                            }));
  EXPECT_EQ(Lines(a, c, Language::Chinese).front(), "信道 7 接收频率: (空) → 145.50000");
  // The same images in English.
  EXPECT_EQ(Lines(a, b).front(), "Channel 3 Power: High → Low");
}

TEST(ImageDiff, TextFieldsShowOtherBytesEscaped) {
  RadioImage a = BlankImage();
  RadioImage b = a;
  SetChannel(a, 2, "145.5", "145.5", "None", "None", "AB");
  SetChannel(b, 2, "145.5", "145.5", "None", "None",
             "\xC4\xE3"
             "A");
  b[0x1320] = 0x07;  // DTMF ID code
  EXPECT_EQ(Lines(a, b), (std::vector<std::string>{
                             "Channel 2 Chnnel Name: AB → \\xC4\\xE3A",
                             "DTMF / Decode / ID Code: (empty) → \\x07",
                         }));
}

// Names read through the decoder the grid uses. Where two names would read
// alike, or a decoded name would break the line, the bytes show instead.
TEST(ImageDiff, NamesReadThroughTheGridsDecoder) {
  // A stand-in for the grid's decoder: 0xD6 0xD0 is one character, every
  // other byte above 0x7F reads as the replacement character.
  const NameDecoder toy = [](std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto c = static_cast<unsigned char>(bytes[i]);
      if (c == 0xD6 && i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) == 0xD0) {
        text += "中";
        ++i;
      } else {
        text += c < 0x80 ? std::string(1, bytes[i]) : std::string("\xEF\xBF\xBD");
      }
    }
    return text;
  };
  RadioImage a = BlankImage();
  SetChannel(a, 2, "145.5", "145.5", "None", "None", "AB");
  RadioImage named = a, unreadable = a, broken = a;
  SetChannel(named, 2, "145.5", "145.5", "None", "None",
             "\xD6\xD0"
             "A");
  SetChannel(unreadable, 2, "145.5", "145.5", "None", "None",
             "\x81"
             "B");
  RadioImage unreadable2 = a;
  SetChannel(unreadable2, 2, "145.5", "145.5", "None", "None",
             "\x82"
             "B");
  SetChannel(broken, 2, "145.5", "145.5", "None", "None", "A\nB");
  const auto text = [&](const RadioImage& x, const RadioImage& y) {
    const auto diffs = DiffImages(x, y, Language::Chinese, toy);
    return diffs.size() == 1 ? DifferenceText(diffs[0], Language::Chinese) : std::string("?");
  };
  EXPECT_EQ(text(a, named), "信道 2 信道名字: AB → 中A");
  EXPECT_EQ(text(a, unreadable),
            "信道 2 信道名字: AB → \xEF\xBF\xBD"
            "B");
  EXPECT_EQ(text(unreadable, unreadable2), "信道 2 信道名字: \\x81B → \\x82B");
  EXPECT_EQ(text(a, broken), "信道 2 信道名字: AB → A\\x0AB");
}

// A Chinese run names every setting in Chinese; only names the radio's own
// keys and signalling carry stay as they are.
TEST(ImageDiff, ChineseSettingLabelsAreChinese) {
  const auto hasChinese = [](const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0xE4; });
  };
  for (const SettingItem& item : SettingItems(Language::Chinese)) {
    EXPECT_TRUE(hasChinese(item.label)) << item.place << " / " << item.label;
    EXPECT_TRUE(hasChinese(item.place) || item.place == "MSK") << item.place;
  }
}

// Every byte is read by a mapped item or reported raw: whichever single
// byte or bit differs, the list is never empty.
TEST(ImageDiff, NoSingleByteChangeGoesUnreported) {
  for (const RadioImage& base : {BlankImage(), SampleImage()})
    for (std::uint8_t flip : {std::uint8_t{0xFF}, std::uint8_t{0x01}, std::uint8_t{0x80}})
      for (std::size_t i = 0; i < kImageSize; ++i) {
        RadioImage changed = base;
        changed[i] ^= flip;
        ASSERT_FALSE(DiffImages(base, changed, Language::English).empty())
            << "offset " << i << " flip " << int(flip);
      }
}

// Any 6144 bytes decode: random images against each other and against
// themselves, in both languages.
TEST(ImageDiff, AnyBytesCompareWithoutTrouble) {
  std::mt19937 random(12345);
  for (int round = 0; round < 100; ++round) {
    RadioImage a, b;
    for (auto& byte : a) byte = static_cast<std::uint8_t>(random());
    b = a;
    for (int n = 0; n < round; ++n) b[random() % kImageSize] = static_cast<std::uint8_t>(random());
    for (Language lang : {Language::English, Language::Chinese}) {
      EXPECT_TRUE(DiffImages(a, a, lang).empty());
      const auto diffs = DiffImages(a, b, lang);
      EXPECT_EQ(diffs.empty(), a == b) << round;
      for (const ImageDifference& d : diffs) {
        EXPECT_NE(d.before, d.after) << DifferenceText(d, lang);
        EXPECT_LT(d.offset, kImageSize);
      }
    }
  }
}

TEST(ImageDiff, MappedItemsClaimEachBitOnceAndLeaveTheUnusedAreasRaw) {
  std::array<std::uint8_t, kImageSize> claimed{};
  for (const SettingItem& item : SettingItems(Language::English))
    for (const BitSpan& span : item.bits)
      for (std::size_t i = 0; i < span.count; ++i) {
        const std::size_t at = span.offset + i;
        ASSERT_LT(at, kImageSize) << item.label;
        EXPECT_EQ(claimed[at] & span.mask, 0) << item.place << " / " << item.label << " at " << at;
        claimed[at] |= span.mask;
      }
  // Labels are unique within their dialog page.
  std::set<std::string> names;
  for (const SettingItem& item : SettingItems(Language::English))
    EXPECT_TRUE(names.insert(item.place + "/" + item.label).second) << item.label;

  const auto bits = MappedBits();
  EXPECT_EQ(bits[0x0C40], 0);     // untransferred area
  EXPECT_EQ(bits[0x17B9], 0);     // band-type byte
  EXPECT_EQ(bits[0x1680], 0);     // 2-Tone radio copy
  EXPECT_EQ(bits[12], 0);         // optional signal of channel 1
  EXPECT_EQ(bits[13], 0xFE);      // flags byte: all but bit 0
  EXPECT_EQ(bits[0x1265], 0xFF);  // every bit has a dialog field
  EXPECT_EQ(bits[0x12AB], 0x13);  // MSK type, repeater invert, allow reset
  EXPECT_EQ(bits[0x12A8], 0xF1);
}

}  // namespace
}  // namespace radio
