// Whole-channel operations on the image: what moves where, what is
// refused, and that the FR record and the rest of the image never change.
#include <gtest/gtest.h>

#include <numeric>

#include "channels/channel_rows.h"

namespace radio {
namespace {

// A used channel whose bytes name it: receive and transmit `mhz`, name
// `name`, optional signal byte 14 = `tag`.
ChannelRecord Channel(std::int64_t mhz100k, const std::string& name, std::uint8_t tag) {
  ChannelRecord record = EmptyChannelRecord();
  ChannelRow row{};
  row[kRxFrequency] = FrequencyText(mhz100k);
  row[kTxFrequency] = row[kRxFrequency];
  row[kDecodeTone] = row[kEncodeTone] = "None";
  row[kChannelName] = name;
  row[kPower] = "High";
  row[kBandwidth] = "Wide";
  row[kScanAdd] = "Yes";
  row[kBusyLock] = "Off";
  EncodeChannelRecord(row, record.data());
  record[14] = tag;
  return record;
}

class ChannelRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    image.fill(0xFF);
    // Bytes outside the channel table that no row operation may touch.
    for (std::size_t i = kChannelRecords * kChannelRecordSize; i < image.size(); ++i)
      image[i] = static_cast<std::uint8_t>(i * 7);
    WriteChannelRecord(image, kFrRecord, Channel(14600000, "FR", 0x77));
  }
  // Channel i (0-based) holds tag i + 1, so every move can be traced.
  void FillChannels(int count) {
    for (int i = 0; i < count; ++i)
      WriteChannelRecord(image, i, Channel(14500000 + 2500 * i, "CH" + std::to_string(i),
                                           static_cast<std::uint8_t>(i + 1)));
  }
  int Tag(int index) const { return ReadChannelRecord(image, index)[14]; }
  bool Empty(int index) const { return ReadChannelRecord(image, index) == EmptyChannelRecord(); }
  void ExpectRestUntouched(const RadioImage& before) const {
    for (std::size_t i = kChannelCount * kChannelRecordSize; i < image.size(); ++i)
      ASSERT_EQ(image[i], before[i]) << "offset " << i;
  }

  RadioImage image{};
};

TEST_F(ChannelRowsTest, InsertMovesFollowingChannelsDownAndIsRefusedWhen128IsInUse) {
  FillChannels(5);
  const RadioImage before = image;
  ASSERT_TRUE(InsertEmptyChannels(image, 1, 2));
  EXPECT_EQ(Tag(0), 1);
  EXPECT_TRUE(Empty(1));
  EXPECT_TRUE(Empty(2));
  EXPECT_EQ(Tag(3), 2);
  EXPECT_EQ(Tag(6), 5);
  EXPECT_TRUE(Empty(7));
  ExpectRestUntouched(before);

  // Channel 128 in use: it would be pushed out, so nothing happens.
  WriteChannelRecord(image, 127, Channel(43000000, "LAST", 0x99));
  const RadioImage full = image;
  EXPECT_FALSE(InsertEmptyChannels(image, 0, 1));
  EXPECT_EQ(image, full);
  // Two inserted channels push out 127 and 128: 127 is free but 128 is not.
  EXPECT_FALSE(InsertEmptyChannels(image, 10, 2));
  EXPECT_EQ(image, full);
  // Inserting at channel 128 itself would push it out as well.
  EXPECT_FALSE(InsertEmptyChannels(image, 127, 1));
  EXPECT_FALSE(InsertEmptyChannels(image, 128, 1));  // FR is no channel place
  EXPECT_EQ(image, full);
  // Half a channel (a receive frequency without transmit) counts as in use too.
  ChannelRecord half = EmptyChannelRecord();
  EncodeFrequency(14500000, half.data());
  WriteChannelRecord(image, 127, half);
  const RadioImage halfFull = image;
  EXPECT_FALSE(InsertEmptyChannels(image, 0, 1));
  EXPECT_EQ(image, halfFull);
}

TEST_F(ChannelRowsTest, DeleteMovesFollowingChannelsUpAndEmptiesTheLastPlaces) {
  FillChannels(6);
  WriteChannelRecord(image, 127, Channel(43000000, "LAST", 0x99));
  const RadioImage before = image;
  DeleteChannels(image, {4, 1, 1, 200, -3});  // duplicates and strays are ignored
  EXPECT_EQ(Tag(0), 1);
  EXPECT_EQ(Tag(1), 3);
  EXPECT_EQ(Tag(2), 4);
  EXPECT_EQ(Tag(3), 6);
  EXPECT_TRUE(Empty(4));
  EXPECT_EQ(Tag(125), 0x99);  // channel 128 moved up by two
  EXPECT_TRUE(Empty(126));
  EXPECT_TRUE(Empty(127));
  ExpectRestUntouched(before);
}

TEST_F(ChannelRowsTest, MoveKeepsBlocksTogetherAndStopsAtTheEdges) {
  FillChannels(6);
  ASSERT_TRUE(MoveChannels(image, {2, 3}, -1));
  EXPECT_EQ((std::vector<int>{Tag(0), Tag(1), Tag(2), Tag(3), Tag(4)}),
            (std::vector<int>{1, 3, 4, 2, 5}));
  ASSERT_TRUE(MoveChannels(image, {1, 3}, 1));  // two separate channels
  EXPECT_EQ((std::vector<int>{Tag(0), Tag(1), Tag(2), Tag(3), Tag(4)}),
            (std::vector<int>{1, 4, 3, 5, 2}));
  const RadioImage kept = image;
  EXPECT_FALSE(MoveChannels(image, {0, 3}, -1));
  EXPECT_FALSE(MoveChannels(image, {127}, 1));
  EXPECT_FALSE(MoveChannels(image, {}, 1));
  EXPECT_FALSE(MoveChannels(image, {5}, 2));
  EXPECT_EQ(image, kept);
  // Channel 128 moves up, but never into the FR record.
  WriteChannelRecord(image, 127, Channel(43000000, "LAST", 0x99));
  ASSERT_TRUE(MoveChannels(image, {127}, -1));
  EXPECT_EQ(Tag(126), 0x99);
  EXPECT_EQ(ReadChannelRecord(image, kFrRecord), Channel(14600000, "FR", 0x77));
}

TEST_F(ChannelRowsTest, SortIsStableKeepsItsPlacesAndPutsEmptyChannelsLast) {
  WriteChannelRecord(image, 2, Channel(44000000, "B", 1));
  WriteChannelRecord(image, 3, Channel(14500000, "A", 2));
  // 4 stays empty
  WriteChannelRecord(image, 5, Channel(44000000, "A", 3));  // same frequency as tag 1
  WriteChannelRecord(image, 6, Channel(14500000, "C", 4));
  WriteChannelRecord(image, 9, Channel(10000000, "Z", 5));  // not selected
  const RadioImage before = image;
  SortChannels(image, {2, 3, 4, 5, 6}, ChannelSortKey::kReceiveFrequency);
  EXPECT_EQ((std::vector<int>{Tag(2), Tag(3), Tag(4), Tag(5)}), (std::vector<int>{2, 4, 1, 3}));
  EXPECT_TRUE(Empty(6));
  EXPECT_EQ(Tag(9), 5);
  ExpectRestUntouched(before);
  SortChannels(image, {2, 3, 4, 5, 6}, ChannelSortKey::kName);
  // "A" twice, in the order the frequency sort left them.
  EXPECT_EQ((std::vector<int>{Tag(2), Tag(3), Tag(4), Tag(5)}), (std::vector<int>{2, 3, 1, 4}));
  EXPECT_TRUE(Empty(6));
}

TEST_F(ChannelRowsTest, ClearAndPasteWriteOnlyTheirChannels) {
  FillChannels(4);
  const RadioImage before = image;
  ClearChannels(image, {1, 3});
  EXPECT_EQ(Tag(0), 1);
  EXPECT_TRUE(Empty(1));
  EXPECT_EQ(Tag(2), 3);
  EXPECT_TRUE(Empty(3));

  const std::vector<ChannelRecord> copied = UnpackChannelRecords(PackChannelRecords(before, {0, 2}));
  ASSERT_EQ(copied.size(), 2u);
  PasteChannels(image, {10, 11}, copied);
  EXPECT_EQ(ReadChannelRecord(image, 10), ReadChannelRecord(before, 0));
  EXPECT_EQ(ReadChannelRecord(image, 11), ReadChannelRecord(before, 2));
  EXPECT_TRUE(Empty(12));
  ExpectRestUntouched(before);
  // Bytes that are not whole records carry no channels.
  EXPECT_TRUE(UnpackChannelRecords(std::string(25, 'x')).empty());
  EXPECT_TRUE(UnpackChannelRecords("").empty());
}

TEST(ChannelPasteTargets, SelectionOfTheSameSizeOrARunFromItsFirstChannel) {
  EXPECT_EQ(PasteTargets({3, 7, 9}, 3), (std::vector<int>{3, 7, 9}));
  EXPECT_EQ(PasteTargets({3, 7}, 3), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(PasteTargets({5, 6, 7, 8}, 2), (std::vector<int>{5, 6}));
  EXPECT_EQ(PasteTargets({126}, 4), (std::vector<int>{126, 127}));  // cut at channel 128
  EXPECT_TRUE(PasteTargets({}, 2).empty());
  EXPECT_TRUE(PasteTargets({128}, 1).empty());  // the FR record is never a target
}

TEST(ChannelTabText, RoundTripsRowsAndToleratesSpreadsheetShapes) {
  ChannelRow a{"145.00000", "145.60000", "None", "67.0", "A\tB", "High", "Wide", "Yes", "Off"};
  ChannelRow blank{};
  const std::string text = ChannelRowsToTabText({a, blank});
  const std::vector<ChannelRow> back = TabTextToChannelRows(text);
  ASSERT_EQ(back.size(), 1u);  // a trailing blank line is no channel
  a[kChannelName] = "A B";     // a tab inside a text cannot survive
  EXPECT_EQ(back[0], a);
  // LF endings, short and long lines.
  const auto rows = TabTextToChannelRows("146.00000\t146.00000\n\n150.00000\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][kTxFrequency], "146.00000");
  EXPECT_EQ(rows[0][kBusyLock], "");
  EXPECT_TRUE(IsBlankRow(rows[1]));
  EXPECT_EQ(rows[2][kBusyLock], "8");
}

}  // namespace
}  // namespace radio
