#include "interchange/channel_csv_export.h"

#include <gtest/gtest.h>

#include "interchange/csv_test_data.h"

#include <fstream>
#include <sstream>

#include "interchange/channel_csv_fields.h"
#include "interchange/channel_test_image.h"

namespace radio {
namespace {

using testing::ReadData;

TEST(ChannelCsvExport, WritesEveryToneModeAndDuplexFormAsTheLayoutExpects) {
  EXPECT_EQ(ExportChannelsCsv(test::SampleImage(), BandLimits{}), ReadData("sample_export.csv"));
}

TEST(ChannelCsvExport, AnImageWithoutChannelsGivesOnlyTheHeader) {
  const std::string csv = ExportChannelsCsv(test::BlankImage(), BandLimits{});
  EXPECT_EQ(csv.find("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                     "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                     "RPT1CALL,RPT2CALL,DVCODE,BusyLock,OptSignal,OptEncode,OptDecode\r\n"),
            0u);
  EXPECT_EQ(csv.find('\n'), csv.size() - 1);
}

TEST(ChannelCsvExport, SplitDependsOnTheBandLimits) {
  RadioImage image = test::BlankImage();
  test::SetChannel(image, 1, "146.0", "150.0");
  BandLimits narrow;
  narrow.upper1 = 14800000;  // 134-148 MHz: 150 MHz lies outside band 1
  EXPECT_EQ(ChannelRecordFields(image, 0, BandLimits{})[kCsvDuplex], "+");
  EXPECT_EQ(ChannelRecordFields(image, 0, BandLimits{})[kCsvOffset], "4.000000");
  EXPECT_EQ(ChannelRecordFields(image, 0, narrow)[kCsvDuplex], "split");
  EXPECT_EQ(ChannelRecordFields(image, 0, narrow)[kCsvOffset], "150.000000");
}

TEST(ChannelCsvExport, TStepFollowsTheRadiosChannelStep) {
  RadioImage image = test::BlankImage();
  const char* const want[] = {"5.00", "6.25", "10.00", "12.50", "25.00", "25.00"};
  for (int position = 0; position < 6; ++position) {
    image[0x1263] = static_cast<std::uint8_t>(position);
    EXPECT_EQ(ChannelStepText(image), want[position]);
  }
}

TEST(ChannelCsvExport, OptionalSignalTexts) {
  RadioImage image = test::BlankImage();
  test::SetChannel(image, 1, "146.0", "146.0");
  const auto fields = [&] { return ChannelRecordFields(image, 0, BandLimits{}); };
  EXPECT_EQ(fields()[kCsvOptSignal], "");  // a new record: not set
  EXPECT_EQ(fields()[kCsvOptEncode], "");
  const std::pair<int, const char*> kinds[] = {{0, "None"},   {1, "MSK"}, {2, "DTMF"}, {3, "3"},
                                               {4, "2-Tone"}, {5, "5"},   {6, "6"}};
  for (const auto& [kind, text] : kinds) {
    SetOptionalSignalKind(test::Record(image, 1), kind);
    EXPECT_EQ(fields()[kCsvOptSignal], text);
  }
  SetOptionalSignalEncode(test::Record(image, 1), 32);
  SetOptionalSignalDecode(test::Record(image, 1), 0);
  EXPECT_EQ(fields()[kCsvOptEncode], "32");
  EXPECT_EQ(fields()[kCsvOptDecode], "0");
}

}  // namespace
}  // namespace radio
