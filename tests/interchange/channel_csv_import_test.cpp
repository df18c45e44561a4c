#include "interchange/channel_csv_import.h"

#include <gtest/gtest.h>

#include "interchange/csv_test_data.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <tuple>

#include "image/bytes.h"
#include "interchange/channel_csv_export.h"
#include "interchange/channel_test_image.h"

namespace radio {
namespace {

using test::BlankImage;
using test::Record;
using test::SampleImage;
using test::SetChannel;

using testing::ReadData;

ChannelRecordBytes RecordBytes(RadioImage& image, int channel) {
  ChannelRecordBytes r;
  std::copy_n(Record(image, channel), kChannelRecordSize, r.begin());
  return r;
}

// Imports `csv` into `image` and returns the plan.
ChannelImportPlan Import(std::string_view csv, RadioImage& image) {
  const ChannelImportPlan plan = PlanChannelImport(csv, image, BandLimits{});
  ApplyChannelImport(plan, image);
  return plan;
}

void ExpectSameChannels(RadioImage& got, RadioImage& want, int first, int last) {
  for (int ch = first; ch <= last; ++ch)
    EXPECT_EQ(RecordBytes(got, ch), RecordBytes(want, ch)) << "channel " << ch;
}

TEST(ChannelCsvImport, AnExportImportedBackChangesNoByte) {
  RadioImage image = SampleImage();
  // Shift bits this program would not write: transmit below receive stored as 00,
  // and a half-empty record's name and flags behind its missing frequency.
  Record(image, 2)[13] &= 0x3F;
  std::uint8_t* half = Record(image, 20);
  EncodeFrequency(14600000, half);
  WriteTextField(std::span(half + 16, 8), "HALF");
  half[13] = 0x2B;
  const RadioImage before = image;
  const ChannelImportPlan plan = Import(ExportChannelsCsv(image, BandLimits{}), image);
  EXPECT_EQ(plan.ChangedChannels(), 0);
  EXPECT_EQ(image, before);
}

TEST(ChannelCsvImport, HandWrittenFilesOfEveryToneModeAndDuplexRebuildTheChannels) {
  RadioImage want = SampleImage();
  for (const char* file : {"sample_export.csv", "sample_reordered.csv"}) {
    SCOPED_TRACE(file);
    RadioImage got = BlankImage();
    const ChannelImportPlan plan = Import(ReadData(file), got);
    EXPECT_TRUE(plan.AllProblems().empty()) << plan.AllProblems().front().Text();
    EXPECT_EQ(plan.rows.size(), 13u);
    EXPECT_EQ(plan.ChangedChannels(), 13);
    ExpectSameChannels(got, want, 1, 12);
    ExpectSameChannels(got, want, 20, 20);
    // Channels no row names and the FR record stay as they were.
    EXPECT_TRUE(
        std::all_of(Record(got, 13), Record(got, 13) + 24, [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(
        std::all_of(Record(got, 129), Record(got, 129) + 24, [](auto b) { return b == 0xFF; }));
  }
}

TEST(ChannelCsvImport, EveryProblemIsReportedWithItsLineAndColumnAndBadRowsAreSkipped) {
  RadioImage image = BlankImage();
  SetChannel(image, 2, "150.0", "150.0", "None", "None", "KEEP");
  RadioImage before = image;
  const ChannelImportPlan plan = Import(ReadData("problems.csv"), image);
  ASSERT_TRUE(plan.Readable());

  using P = std::tuple<int, std::string, ImportSeverity>;
  const auto E = ImportSeverity::kError;
  std::vector<P> got;
  for (const ImportProblem& p : plan.AllProblems()) got.emplace_back(p.line, p.column, p.severity);
  const std::vector<P> want = {{3, "Frequency", E},
                               {4, "Frequency", E},
                               {5, "Frequency", E},
                               {6, "Duplex", E},
                               {7, "rToneFreq", E},
                               {8, "DtcsCode", E},
                               {9, "Name", ImportSeverity::kWarning},
                               {10, "Name", E},
                               {11, "Location", E},
                               {12, "Location", E},
                               {13, "Location", E},
                               {14, "Location", E},
                               {15, "Frequency", E},
                               {16, "Offset", E},
                               {17, "Offset", E},
                               {18, "Mode", E},
                               {19, "Skip", E},
                               {20, "Power", E},
                               {21, "rToneFreq", E},
                               {21, "RxDtcsCode", E},
                               {22, "Name", E},
                               {23, "OptEncode", E},
                               {24, "DtcsPolarity", E},
                               {25, "Frequency", E}};
  EXPECT_EQ(got, want);

  // Only the good row and the row with a cut name are taken.
  EXPECT_EQ(plan.SkippedRows(), 22);
  EXPECT_EQ(plan.ChangedChannels(), 2);
  EXPECT_EQ(DecodeChannelRecord(Record(image, 1), Language::English)[kChannelName], "GOOD");
  EXPECT_EQ(DecodeChannelRecord(Record(image, 8), Language::English)[kChannelName], "TOOLONGN");
  RadioImage expectUntouched = image;
  std::copy_n(Record(before, 1), 24, Record(expectUntouched, 1));
  std::copy_n(Record(before, 8), 24, Record(expectUntouched, 8));
  EXPECT_EQ(expectUntouched, before);

  // The texts say what is wrong.
  const auto problems = plan.AllProblems();
  EXPECT_EQ(problems[0].Text(),
            "line 3, Frequency: 500.000000 MHz is outside the radio's band limits");
  EXPECT_EQ(problems[3].Text(), "line 6, Duplex: this radio cannot switch transmit off");
  EXPECT_EQ(problems[8].Text(), "line 11, Location: channel 1 is given already on line 2");
}

TEST(ChannelCsvImport, RowsDescribeOldAndNewChannelForAPreview) {
  RadioImage image = BlankImage();
  SetChannel(image, 5, "150.0", "150.0", "None", "None", "OLD");
  const ChannelImportPlan plan =
      PlanChannelImport("Location,Name,Frequency\n5,NEW,151\n6,,152.5\n", image, BandLimits{});
  ASSERT_EQ(plan.rows.size(), 2u);
  const ImportRow& changed = plan.rows[0];
  EXPECT_EQ(changed.line, 2);
  EXPECT_EQ(changed.channel, 5);
  EXPECT_FALSE(changed.targetWasEmpty);
  EXPECT_EQ(changed.oldTexts[kChannelName], "OLD");
  EXPECT_EQ(changed.newTexts[kChannelName], "NEW");
  EXPECT_EQ(changed.oldFields[kCsvFrequency], "150.000000");
  EXPECT_EQ(changed.newFields[kCsvFrequency], "151.000000");
  // Duplex is missing, so the transmit frequency follows the kept "simplex".
  EXPECT_EQ(changed.newTexts[kTxFrequency], "151.00000");
  const ImportRow& created = plan.rows[1];
  EXPECT_TRUE(created.targetWasEmpty);
  EXPECT_TRUE(created.oldTexts[kRxFrequency].empty());
  // A new channel gets the grid's new-channel defaults.
  const ChannelRow defaults = {"152.50000", "152.50000", "None", "None", "",
                               "High",      "Wide",      "Yes",  "Off"};
  EXPECT_EQ(created.newTexts, defaults);
  // Planning changed nothing.
  EXPECT_EQ(DecodeChannelRecord(Record(image, 5), Language::English)[kChannelName], "OLD");
  const ChannelImportPlan chinese =
      PlanChannelImport("Location,Frequency\n6,152.5\n", image, BandLimits{}, Language::Chinese);
  EXPECT_EQ(chinese.rows[0].newTexts[kPower], "高");
}

TEST(ChannelCsvImport, MissingColumnsKeepTheTargetChannel) {
  RadioImage image = BlankImage();
  SetChannel(image, 3, "145.5", "145.0", "D023I", "88.5", "OLD", "Low", "Narrow", "No", "Carrier");
  SetOptionalSignalKind(Record(image, 3), kSignalTwoTone);
  SetOptionalSignalEncode(Record(image, 3), 12);
  SetOptionalSignalDecode(Record(image, 3), 4);
  RadioImage want = image;
  WriteTextField(std::span(Record(want, 3) + 16, 8), "RENAMED");

  const ChannelImportPlan plan = Import("Location,Name\r\n3,RENAMED\r\n4,NEW\r\n", image);
  ExpectSameChannels(image, want, 1, 128);
  ASSERT_EQ(plan.AllProblems().size(), 1u);
  EXPECT_EQ(plan.AllProblems()[0].Text(), "line 3, Frequency: no frequency given");

  // Empty Mode, Power and BusyLock fields keep the channel's values too.
  Import("Location,Mode,Power,BusyLock,Name\n3,,,,RENAMED\n", image);
  ExpectSameChannels(image, want, 3, 3);
}

TEST(ChannelCsvImport, NamesAreCutWithoutSplittingADoubleByteCharacter) {
  RadioImage image = BlankImage();
  const ChannelImportPlan plan =
      Import("Location,Frequency,Name\n1,146,ABC\\xD6\\xD0\\xCE\\xC4\\xB0\\xA1\n", image);
  ASSERT_EQ(plan.AllProblems().size(), 1u);
  EXPECT_EQ(plan.AllProblems()[0].severity, ImportSeverity::kWarning);
  EXPECT_EQ(DecodeChannelRecord(Record(image, 1), Language::English)[kChannelName],
            "ABC\xD6\xD0\xCE\xC4");
}

// In a Chinese run every problem reads in Chinese; the column names are the
// file's own and the values quote the file.
TEST(ChannelCsvImport, ProblemsReadInChineseInAChineseRun) {
  RadioImage image = BlankImage();
  const std::string csv = ReadData("problems.csv");
  const ChannelImportPlan english = PlanChannelImport(csv, image, BandLimits{});
  const ChannelImportPlan chinese = PlanChannelImport(csv, image, BandLimits{}, Language::Chinese);
  const auto problems = chinese.AllProblems();
  ASSERT_EQ(problems.size(), english.AllProblems().size());
  for (std::size_t i = 0; i < problems.size(); ++i) {
    EXPECT_EQ(problems[i].line, english.AllProblems()[i].line);
    EXPECT_EQ(problems[i].column, english.AllProblems()[i].column);
    const std::string text = problems[i].Text(Language::Chinese);
    EXPECT_TRUE(std::any_of(problems[i].message.begin(), problems[i].message.end(), [](char c) {
      return static_cast<unsigned char>(c) >= 0xE4;
    })) << text;
  }
  EXPECT_EQ(problems[3].Text(Language::Chinese), "第 6 行，Duplex：本机不能关闭发射");
  EXPECT_EQ(problems[8].Text(Language::Chinese), "第 11 行，Location：信道 1 已在第 2 行给出");
  EXPECT_EQ(PlanChannelImport("Location,Name\n1,\"open\n", image, BandLimits{}, Language::Chinese)
                .fileProblems.at(0)
                .Text(Language::Chinese),
            "第 2 行：引号中的字段没有结束");
  // The file's own refusals and warnings, and a field quoted shortened and
  // escaped, as in English.
  const auto first = [&](std::string_view file) {
    return PlanChannelImport(file, image, BandLimits{}, Language::Chinese)
        .AllProblems()
        .at(0)
        .Text(Language::Chinese);
  };
  EXPECT_EQ(first(std::string_view("\xFF\xFEL\0o\0c\0", 8)), "文件是 UTF-16 编码；请另存为 UTF-8");
  EXPECT_EQ(first("Location,Name,Name\n1,A,B\n"), "第 1 行，Name：标题行两次给出此列；读取第一个");
  EXPECT_EQ(
      first("Location,Frequency\n1,\"1\x1B" + std::string(50, '0') + "\"\n"),
      "第 2 行，Frequency：\"1\\x1B" + std::string(38, '0') + "\u2026\" 不是以 MHz 为单位的数值");
}

TEST(ChannelCsvImport, UnreadableFilesAreRefusedAsAWhole) {
  RadioImage image = SampleImage();
  const RadioImage before = image;
  const struct {
    const char* csv;
    int line;
    const char* message;
  } cases[] = {
      {"", 1, "the file has no header line"},
      {"\n\n", 1, "the file has no header line"},
      {"Name,Frequency\nA,146\n", 1, "the header line has no Location column"},
      {"Location,Name\n1,\"open\n", 2, "a quoted field is not closed"},
      {"\xFF\xFEL\0o\0c\0", 0, "the file is UTF-16; save it as UTF-8"},
      {"\xFE\xFF\0L\0o\0c", 0, "the file is UTF-16; save it as UTF-8"},
  };
  for (const auto& c : cases) {
    const ChannelImportPlan plan =
        Import(std::string_view(c.csv, c.line == 0 ? 8 : std::strlen(c.csv)), image);
    EXPECT_FALSE(plan.Readable()) << c.csv;
    EXPECT_TRUE(plan.rows.empty());
    ASSERT_EQ(plan.fileProblems.size(), 1u);
    EXPECT_EQ(plan.fileProblems[0].line, c.line);
    EXPECT_EQ(plan.fileProblems[0].message, c.message);
  }
  EXPECT_EQ(image, before);

  // A file far beyond any channel list is refused before it is read.
  std::string many = "Location\n";
  for (std::size_t k = 0; k <= kMostChannelCsvRows; ++k) many += "1\n";
  ChannelImportPlan plan = PlanChannelImport(many, image, BandLimits{});
  ASSERT_FALSE(plan.Readable());
  EXPECT_EQ(plan.fileProblems[0].Text(),
            "line 10002: the file has more than 10000 rows; the radio has 128 channels");
  plan = PlanChannelImport(std::string(kLargestChannelCsv + 1, ','), image, BandLimits{});
  ASSERT_FALSE(plan.Readable());
  EXPECT_EQ(plan.fileProblems[0].Text(), "the file is too large for a channel list");
}

TEST(ChannelCsvImport, ProblemTextsShowAShortenedFieldWithControlBytesEscaped) {
  RadioImage image = BlankImage();
  const std::string longText(60, '9');
  const std::string csv =
      "Location,Name,Frequency,Tone\n"
      "1,A,\"" +
      std::string(50, 'x') +
      "\",\n"
      "2,B,146.52,\"T\x01\x1B[2J\"\n"
      "3,C,146.52" +
      longText + "1,\n";
  const ChannelImportPlan plan = PlanChannelImport(csv, image, BandLimits{});
  ASSERT_EQ(plan.rows.size(), 3u);
  EXPECT_EQ(plan.rows[0].problems.at(0).Text(),
            "line 2, Frequency: \"" + std::string(40, 'x') + "\u2026\" is not a number of MHz");
  EXPECT_EQ(plan.rows[1].problems.at(0).Text(),
            "line 3, Tone: \"T\\x01\\x1B[2J\" is not a tone mode this radio can store");
  EXPECT_EQ(plan.rows[2].problems.at(0).Text(), "line 4, Frequency: 146.52" +
                                                    longText.substr(0, 34) +
                                                    "\u2026 MHz is not on the 5 / 6.25 kHz step");
}

TEST(ChannelCsvImport, AColumnNamedTwiceIsReadOnceWithAWarning) {
  RadioImage image = BlankImage();
  const ChannelImportPlan plan =
      PlanChannelImport("Location,Frequency,Name,Frequency,Frequency\n1,146.52,A,147.00,148.00\n",
                        image, BandLimits{});
  ASSERT_TRUE(plan.Readable());
  ASSERT_EQ(plan.fileProblems.size(), 1u) << "one warning per column, however often repeated";
  EXPECT_EQ(plan.fileProblems[0].severity, ImportSeverity::kWarning);
  EXPECT_EQ(plan.fileProblems[0].Text(),
            "line 1, Frequency: the header names this column twice; the first one is read");
  ASSERT_EQ(plan.rows.size(), 1u);
  EXPECT_EQ(plan.rows[0].newFields[kCsvFrequency], "146.520000");
  EXPECT_EQ(plan.ChangedChannels(), 1);
}

TEST(ChannelCsvImport, DuplexFormsGiveTheTransmitFrequency) {
  RadioImage image = BlankImage();
  Import(
      "Location,Frequency,Duplex,Offset\n1,145.5,-,0.6\n2,439.0125,+,5\n3,146,split,446.00625\n"
      "4,146,,9\n",
      image);
  const auto tx = [&](int ch) {
    return DecodeChannelRecord(Record(image, ch), Language::English)[kTxFrequency];
  };
  EXPECT_EQ(tx(1), "144.90000");
  EXPECT_EQ(tx(2), "444.01250");
  EXPECT_EQ(tx(3), "446.00625");
  EXPECT_EQ(tx(4), "146.00000");  // no Duplex: the Offset does not count
}

}  // namespace
}  // namespace radio
