// Export, then import into a new image, over many random images.
//
// A channel is representable when its record holds what the CSV layout and
// our own columns can say. Not representable, and so left out here:
// - empty records (a frequency absent) and the FR record: not exported;
// - frequencies import refuses (receive outside 67-600 MHz, off the
//   5 / 6.25 kHz step, either frequency outside the band limits) or stored
//   with BCD nibbles above 9;
// - a tone not in the tone list, or "no tone" stored other than FF FF;
// - flag bits the codec derives or folds: shift bits 7-6 that disagree with
//   the frequencies, busy lock 11, and bit 0 of byte 13 / bits 3-7 of
//   byte 12 other than the new record's 1s (import keeps the target's);
// - a name field with anything but 0xFF after the name;
// - optional-signal numbers beyond 32 (encode) or 8 (decode), other than FF.
#include <gtest/gtest.h>

#include <random>

#include "image/bytes.h"
#include "interchange/channel_csv_export.h"
#include "interchange/channel_csv_import.h"
#include "interchange/channel_test_image.h"
#include "interchange/csv_text.h"

namespace radio {
namespace {

using Rng = std::mt19937;

int Pick(Rng& rng, int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// Random whole-MHz bands inside 67-600 MHz (they may overlap).
BandLimitBytes RandomBands(Rng& rng) {
  BandLimits l;
  l.lower1 = Pick(rng, 67, 300) * 100000LL;
  l.upper1 = l.lower1 + Pick(rng, 1, 100) * 100000LL;
  l.lower2 = Pick(rng, 67, 500) * 100000LL;
  l.upper2 = l.lower2 + Pick(rng, 1, 100) * 100000LL;
  return EncodeBandLimits(l);
}

std::int64_t RandomFrequency(Rng& rng, const BandLimits& l) {
  const bool first = Pick(rng, 0, 1) == 0;
  const std::int64_t lo = first ? l.lower1 : l.lower2, hi = first ? l.upper1 : l.upper2;
  const int step = Pick(rng, 0, 1) ? 500 : 625;
  const std::int64_t count = (hi - lo) / step;
  return lo + std::uniform_int_distribution<std::int64_t>(0, count)(rng) * step;
}

std::string RandomName(Rng& rng) {
  std::string name;
  const int length = Pick(rng, 0, 8);
  while (static_cast<int>(name.size()) < length) {
    switch (Pick(rng, 0, 3)) {
      case 0:
        name += static_cast<char>(Pick(rng, 0x20, 0x7E));
        break;
      case 1:
        name += static_cast<char>(Pick(rng, 0x01, 0xFE));
        break;
      case 2:
        name += "\\,\"";
        break;
      default:
        if (static_cast<int>(name.size()) + 2 <= length) {  // a GBK character
          name += static_cast<char>(Pick(rng, 0xB0, 0xF7));
          name += static_cast<char>(Pick(rng, 0xA1, 0xFE));
        }
    }
  }
  name.resize(static_cast<std::size_t>(length));
  return name;
}

// A representable channel, made through the codec from random values.
void RandomChannel(Rng& rng, const BandLimits& l, std::uint8_t* record) {
  const auto& tones = ToneList(Language::English);
  const std::int64_t rx = RandomFrequency(rng, l);
  std::int64_t tx = rx;
  if (Pick(rng, 0, 2) == 0) tx = RandomFrequency(rng, l);
  const auto tone = [&] { return tones[static_cast<std::size_t>(Pick(rng, 0, 260))]; };
  static const char* const kBusy[] = {"Off", "Carrier", "QT/DQT"};
  EncodeChannelRecord({FrequencyText(rx), FrequencyText(tx), tone(), tone(), RandomName(rng),
                       Pick(rng, 0, 1) ? "High" : "Low", Pick(rng, 0, 1) ? "Wide" : "Narrow",
                       Pick(rng, 0, 1) ? "Yes" : "No", kBusy[Pick(rng, 0, 2)]},
                      record);
  SetOptionalSignalKind(record, Pick(rng, 0, 7));
  SetOptionalSignalEncode(record,
                          static_cast<std::uint8_t>(Pick(rng, 0, 1) ? 0xFF : Pick(rng, 0, 32)));
  SetOptionalSignalDecode(record,
                          static_cast<std::uint8_t>(Pick(rng, 0, 1) ? 0xFF : Pick(rng, 0, 8)));
}

RadioImage NewImageLike(const RadioImage& source) {
  BandLimitBytes bands = ReadBandLimitBlock(source);
  RadioImage image = MakeNewImage(bands);
  image[0x1263] = source[0x1263];
  return image;
}

bool AllFF(const std::uint8_t* p, std::size_t n) {
  return std::all_of(p, p + n, [](std::uint8_t b) { return b == 0xFF; });
}

TEST(ChannelCsvRoundTrip, RepresentableChannelsComeBackByteForByte) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE(seed);
    Rng rng(seed);
    BandLimitBytes bands = RandomBands(rng);
    RadioImage source = MakeNewImage(bands);
    source[0x1263] = static_cast<std::uint8_t>(Pick(rng, 0, 4));
    const BandLimits limits = DecodeBandLimits(bands);
    std::vector<bool> used(kFrRecord);
    for (int i = 0; i < kFrRecord; ++i) {
      if (Pick(rng, 0, 4) == 0) continue;  // some channels stay empty
      used[i] = true;
      RandomChannel(rng, limits, test::Record(source, i + 1));
    }
    RandomChannel(rng, limits, test::Record(source, kFrRecord + 1));  // FR: not exported

    const std::string csv = ExportChannelsCsv(source, limits);
    RadioImage target = NewImageLike(source);
    const RadioImage blank = target;
    const ChannelImportPlan plan = PlanChannelImport(csv, target, limits);
    ASSERT_TRUE(plan.AllProblems().empty()) << plan.AllProblems().front().Text();
    ApplyChannelImport(plan, target);

    for (int ch = 1; ch <= kFrRecord; ++ch) {
      const std::uint8_t* want = used[ch - 1] ? test::Record(source, ch) : test::Record(target, ch);
      ASSERT_TRUE(std::equal(want, want + 24, test::Record(target, ch))) << "channel " << ch;
      if (!used[ch - 1]) {
        EXPECT_TRUE(AllFF(test::Record(target, ch), 24));
      }
    }
    // Everything outside channels 1-128 is as the new image had it.
    EXPECT_TRUE(std::equal(target.begin() + 128 * 24, target.end(), blank.begin() + 128 * 24));
  }
}

// One exported line per channel: the fields after the header.
std::map<std::string, std::string> LinesByLocation(const std::string& csv) {
  std::vector<CsvRecord> records;
  CsvError error;
  EXPECT_TRUE(ReadCsv(csv, records, error));
  std::map<std::string, std::string> lines;
  for (std::size_t k = 1; k < records.size(); ++k)
    lines[records[k].fields[0]] = CsvLine(records[k].fields);
  return lines;
}

TEST(ChannelCsvRoundTrip, AnyBytesExportAndImportSafelyAndTakenRowsReadTheSame) {
  for (unsigned seed = 1; seed <= 150; ++seed) {
    SCOPED_TRACE(seed);
    Rng rng(seed);
    RadioImage source;
    for (auto& b : source) b = static_cast<std::uint8_t>(Pick(rng, 0, 255));
    // Half the channels get plausible frequencies, no tones and unset
    // optional-signal numbers, so that many rows import.
    const BandLimits limits;
    for (int ch = 1; ch <= kFrRecord; ch += 2) {
      std::uint8_t* r = test::Record(source, ch);
      EncodeFrequency(RandomFrequency(rng, limits), r);
      EncodeFrequency(RandomFrequency(rng, limits), r + 4);
      std::fill_n(r + 8, 4, std::uint8_t{0xFF});  // no tones
      r[14] = r[15] = 0xFF;                       // optional signal numbers not set
    }
    const std::string csv = ExportChannelsCsv(source, limits);
    RadioImage target = NewImageLike(source);
    const ChannelImportPlan plan = PlanChannelImport(csv, target, limits);
    ASSERT_TRUE(plan.Readable());
    ApplyChannelImport(plan, target);

    // Every taken row exports again to the very line it came from.
    const auto before = LinesByLocation(csv);
    const auto after = LinesByLocation(ExportChannelsCsv(target, limits));
    int taken = 0;
    for (const ImportRow& row : plan.rows) {
      const std::string location = std::to_string(row.channel);
      if (row.skipped) {
        EXPECT_FALSE(row.problems.empty());
        EXPECT_EQ(after.count(location), 0u);
        continue;
      }
      ++taken;
      ASSERT_EQ(after.count(location), 1u);
      EXPECT_EQ(after.at(location), before.at(location));
    }
    EXPECT_GT(taken, 0);
  }
}

}  // namespace
}  // namespace radio
