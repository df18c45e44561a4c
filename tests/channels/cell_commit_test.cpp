#include "channels/cell_commit.h"

#include <gtest/gtest.h>

#include "channels/grid_layout.h"

namespace radio {
namespace {

// Bands 134-176 MHz and 400-480 MHz.
const BandLimits kBands{13400000, 17600000, 40000000, 48000000};

ChannelRow UsedRow() {
  return {"150.00000", "150.50000", "67.0", "D023N", "GATE", "Low", "Narrow", "No", "Carrier"};
}

CellCommitOutcome Leave(const ChannelRow& row, ChannelField field, std::string_view text,
                        Language lang = Language::English) {
  return DecideCellCommit(row, field, text, kBands, lang, CommitTrigger::kLeaveCell);
}
CellCommitOutcome Enter(const ChannelRow& row, std::string_view text) {
  return DecideCellCommit(row, kRxFrequency, text, kBands, Language::English,
                          CommitTrigger::kEnterKey);
}

TEST(CellCommitReceive, NewChannelGetsTransmitAndDefaultsInEitherLanguage) {
  const auto en = Leave(ChannelRow{}, kRxFrequency, "145.5");
  EXPECT_EQ(en.message, CellMessage::kNone);
  EXPECT_FALSE(en.editorStays);
  EXPECT_EQ(en.row, (ChannelRow{"145.50000", "145.50000", "None", "None", "", "High", "Wide", "Yes",
                                "Off"}));
  const auto zh = Leave(ChannelRow{}, kRxFrequency, "145.5", Language::Chinese);
  EXPECT_EQ(zh.row, (ChannelRow{"145.50000", "145.50000", "无", "无", "", "高", "宽", "是", "关"}));
}

TEST(CellCommitReceive, ExistingChannelChangesOnlyItsReceiveText) {
  ChannelRow expected = UsedRow();
  expected[kRxFrequency] = "162.01250";
  EXPECT_EQ(Leave(UsedRow(), kRxFrequency, "162.0125").row, expected);
}

TEST(CellCommitReceive, ChannelStepOf5Or625KilohertzIsRequired) {
  EXPECT_EQ(Leave(ChannelRow{}, kRxFrequency, "145.5125").row[kRxFrequency], "145.51250");
  EXPECT_EQ(Leave(ChannelRow{}, kRxFrequency, "145.5150").row[kRxFrequency], "145.51500");
  // 145.0125 needs exact decimal arithmetic to land on the 6.25 kHz step.
  EXPECT_EQ(Leave(ChannelRow{}, kRxFrequency, "145.0125").message, CellMessage::kNone);

  // Leaving the cell with an off-step value deletes the channel.
  const auto left = Leave(UsedRow(), kRxFrequency, "145.5130");
  EXPECT_EQ(left.message, CellMessage::kStepValue);
  EXPECT_EQ(left.row, ChannelRow{});
  EXPECT_FALSE(left.editorStays);

  // Enter only empties the editor and keeps the row.
  const auto entered = Enter(UsedRow(), "145.5130");
  EXPECT_EQ(entered.message, CellMessage::kStepValue);
  EXPECT_EQ(entered.row, UsedRow());
  EXPECT_TRUE(entered.editorStays);
  EXPECT_TRUE(entered.clearEditor);
}

TEST(CellCommitReceive, AbsoluteRangeAndBandRefusalsKeepTheRowAndTheEditor) {
  struct Case {
    const char* text;
    CellMessage message;
  };
  for (const Case c :
       {Case{"66.99", CellMessage::kDataFormat}, Case{"600.00001", CellMessage::kDataFormat},
        Case{"abc", CellMessage::kDataFormat},  // unreadable reads as 0
        Case{"600.0", CellMessage::kOutOfRange}, Case{"300.0", CellMessage::kOutOfRange},
        Case{"176.00625", CellMessage::kOutOfRange}}) {
    SCOPED_TRACE(c.text);
    const auto left = Leave(UsedRow(), kRxFrequency, c.text);
    EXPECT_EQ(left.message, c.message);
    EXPECT_EQ(left.row, UsedRow());
    EXPECT_TRUE(left.editorStays);
    EXPECT_FALSE(left.clearEditor);
    const auto entered = Enter(UsedRow(), c.text);
    EXPECT_EQ(entered.message, c.message);
    EXPECT_TRUE(entered.clearEditor);
  }
  // The absolute limits and the band edges themselves are accepted.
  const BandLimits wide{6700000, 17600000, 40000000, 60000000};
  for (const char* text : {"67.0", "600.0", "176.0"})
    EXPECT_EQ(DecideCellCommit(ChannelRow{}, kRxFrequency, text, wide, Language::English,
                               CommitTrigger::kLeaveCell)
                  .message,
              CellMessage::kNone)
        << text;
}

TEST(CellCommitReceive, EmptyTextDeletesTheChannelByEitherTrigger) {
  EXPECT_EQ(Leave(UsedRow(), kRxFrequency, "").row, ChannelRow{});
  const auto entered = Enter(UsedRow(), "");
  EXPECT_EQ(entered.row, ChannelRow{});
  EXPECT_EQ(entered.message, CellMessage::kNone);
  EXPECT_FALSE(entered.editorStays);
}

TEST(CellCommitTransmit, OutOfBandFallsBackToBandOneAndNeedsAReceiveFrequency) {
  EXPECT_EQ(Leave(UsedRow(), kTxFrequency, "300.0").row[kTxFrequency], "134.00000");
  EXPECT_EQ(Leave(UsedRow(), kTxFrequency, "").row[kTxFrequency], "134.00000");
  EXPECT_EQ(Leave(UsedRow(), kTxFrequency, "435.0125").row[kTxFrequency], "435.01250");
  // No step test on the transmit frequency.
  EXPECT_EQ(Leave(UsedRow(), kTxFrequency, "145.5130").row[kTxFrequency], "145.51300");
  EXPECT_EQ(Leave(ChannelRow{}, kTxFrequency, "145.5").row, ChannelRow{});
  EXPECT_EQ(Leave(UsedRow(), kTxFrequency, "300.0").message, CellMessage::kNone);
}

TEST(CellCommitOtherColumns, EmptyChannelTakesNoSettings) {
  EXPECT_EQ(Leave(ChannelRow{}, kPower, "Low").row, ChannelRow{});
  EXPECT_EQ(Leave(ChannelRow{}, kChannelName, "NAME").row, ChannelRow{});
  ChannelRow expected = UsedRow();
  expected[kPower] = "High";
  expected[kChannelName] = "ABCDEFGH";
  auto row = Leave(UsedRow(), kPower, "High").row;
  row = Leave(row, kChannelName, "ABCDEFGH").row;
  EXPECT_EQ(row, expected);
  // A row with only a transmit frequency (read from a radio) still takes settings.
  ChannelRow txOnly{};
  txOnly[kTxFrequency] = "145.00000";
  EXPECT_EQ(Leave(txOnly, kScanAdd, "No").row[kScanAdd], "No");
}

TEST(FrequencyEditorKeys, OnlyDigitsPointEditingAndArrowsPass) {
  for (EditorKey key : {EditorKey::kBackspace, EditorKey::kDelete, EditorKey::kKeypadDigit,
                        EditorKey::kKeypadPoint, EditorKey::kArrow}) {
    EXPECT_EQ(FilterFrequencyKey(key, false), KeyDecision::kPass);
    EXPECT_EQ(FilterFrequencyKey(key, true), KeyDecision::kPass);
  }
  for (EditorKey key : {EditorKey::kDigit, EditorKey::kFullStop}) {
    EXPECT_EQ(FilterFrequencyKey(key, false), KeyDecision::kPass);
    EXPECT_EQ(FilterFrequencyKey(key, true), KeyDecision::kDiscard);
  }
  EXPECT_EQ(FilterFrequencyKey(EditorKey::kEnter, false), KeyDecision::kCommit);
  EXPECT_EQ(FilterFrequencyKey(EditorKey::kOther, false), KeyDecision::kDiscard);
}

TEST(CellEditors, EditorsAndHelpContextsByColumn) {
  const int editors[] = {0, 1127, 1127, 1132, 1132, 1126, 1129, 1128, 1134, 1130};
  for (int col = 0; col < 10; ++col) EXPECT_EQ(EditorIdForColumn(col), editors[col]) << col;
  EXPECT_EQ(CellHelpContext(kFrequencyEditId, 1), 2127);
  EXPECT_EQ(CellHelpContext(kFrequencyEditId, 2), 2128);
  EXPECT_EQ(CellHelpContext(kToneListId, 3), 2132);
  EXPECT_EQ(CellHelpContext(kToneListId, 4), 2133);
  EXPECT_EQ(CellHelpContext(kNameEditId, 5), 1126);
  EXPECT_EQ(CellHelpContext(kGridControlId, 4), 1022);
}

TEST(CellEditors, ListsPreselectByCaseInsensitivePrefix) {
  const std::vector<std::string> busy = {"Off", "Carrier", "QT/DQT"};
  EXPECT_EQ(PrefixMatchIndex(busy, "QT/DQT"), 2);
  EXPECT_EQ(PrefixMatchIndex(busy, "carr"), 1);
  EXPECT_EQ(PrefixMatchIndex(busy, ""), 0);
  EXPECT_EQ(PrefixMatchIndex(busy, "Busy"), 0);
  EXPECT_EQ(PrefixMatchIndex({}, "Off"), -1);
  const auto& tones = ToneList(Language::English);
  EXPECT_EQ(PrefixMatchIndex(tones, "d023i"), 156);
  EXPECT_EQ(PrefixMatchIndex(tones, "100.0"), 13);
  EXPECT_EQ(PrefixMatchIndex(ToneList(Language::Chinese), "无"), 0);
}

TEST(GridLayout, WidthsFollowColumnZeroAndScaleOnlyWideScreens) {
  EXPECT_EQ(ColumnWidths(1000),
            (std::array<int, 10>{500, 1060, 1060, 1100, 1100, 1080, 700, 860, 800, 1050}));
  EXPECT_EQ(ColumnWidths(99)[1], 104);  // 104.94 truncated

  EXPECT_FLOAT_EQ(ScreenScale(800), 1.0f);
  EXPECT_FLOAT_EQ(ScreenScale(1280), 1.25f);
  EXPECT_EQ(Scaled(1060, ScreenScale(1280)), 1325);
  // A display change scales relative to what was applied, never twice.
  EXPECT_FLOAT_EQ(RescaleFactor(1280, 1.0f), 1.25f);
  EXPECT_FLOAT_EQ(RescaleFactor(1280, 1.25f), 1.0f);
  EXPECT_FLOAT_EQ(RescaleFactor(1600, 1.25f), 1.25f);
  EXPECT_FLOAT_EQ(RescaleFactor(800, 1.25f), 1.0f) << "a narrow screen leaves the columns";
}

}  // namespace
}  // namespace radio
