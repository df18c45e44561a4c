// The channel grid and the undo history: every committed edit and row
// operation is one step of the image, undo and redo give the image back
// byte for byte and the grid follows, and the row commands work from the
// row headers and keys.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUndoStack>

#include "channel_view_fixture.h"
#include "channels/channel_rows.h"
#include "image/dat_file.h"

namespace radio {
namespace {

class GridUndoTest : public ChannelViewTest {
 protected:
  // Channels 1..count at 145.000, 145.025, ... MHz, named "CHn"; byte 14
  // (an optional signal number no column shows) tags each record.
  void MakeChannels(int count) {
    for (int i = 0; i < count; ++i) {
      ChannelRow row{};
      row[kRxFrequency] = row[kTxFrequency] = FrequencyText(14500000 + 2500 * i);
      row[kDecodeTone] = row[kEncodeTone] = "None";
      row[kChannelName] = "CH" + std::to_string(i + 1);
      row[kPower] = "High";
      row[kBandwidth] = "Wide";
      row[kScanAdd] = "Yes";
      row[kBusyLock] = "Off";
      std::uint8_t* record = doc.Image().data() + static_cast<std::size_t>(i) * kChannelRecordSize;
      EncodeChannelRecord(row, record);
      record[14] = static_cast<std::uint8_t>(i + 1);
    }
    view->FillFromImage();
  }
  int Tag(int index) const { return doc.Image()[static_cast<std::size_t>(index) * 24 + 14]; }
  void ClickRowHeader(int gridRow, Qt::KeyboardModifiers mods = {}) {
    QHeaderView* header = Grid()->verticalHeader();
    const QPoint at(header->width() / 2,
                    header->sectionViewportPosition(gridRow - 1) + header->sectionSize(gridRow - 1) / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, mods, at);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(Grid(), key, mods); }
  QUndoStack& Stack() { return doc.UndoStack(); }
};

TEST_F(GridUndoTest, CellEditsAreStepsThatUndoAndRedoByteForByte) {
  MakeView();
  std::vector<RadioImage> states{doc.Image()};
  TypeInto(1, 1, "145.5", 2, 1);
  states.push_back(doc.Image());
  EXPECT_EQ(Stack().undoText(), "Edit channel 1 Rx Frequency");
  // Only channel 1's record changed: the image is current without a save.
  for (std::size_t i = 24; i < states[1].size(); ++i) ASSERT_EQ(states[1][i], states[0][i]) << i;
  EXPECT_NE(states[1][0], states[0][0]);
  TypeInto(2, 1, "146", 1, 2);
  states.push_back(doc.Image());
  TypeInto(1, 2, "146.1", 3, 3);
  states.push_back(doc.Image());
  EXPECT_EQ(Stack().undoText(), "Edit channel 1 Tx Frequency");
  ASSERT_EQ(Stack().count(), 3);

  for (int k = 2; k >= 0; --k) {
    Stack().undo();
    EXPECT_EQ(doc.Image(), states[static_cast<std::size_t>(k)]) << k;
    EXPECT_EQ(view->OpenEditor(), nullptr);  // an open editor closes when the image changes
  }
  EXPECT_EQ(Row(1), QStringList({"", "", "", "", "", "", "", "", ""}));
  EXPECT_FALSE(doc.IsModified());
  for (int k = 1; k <= 3; ++k) {
    Stack().redo();
    EXPECT_EQ(doc.Image(), states[static_cast<std::size_t>(k)]) << k;
  }
  EXPECT_EQ(view->CellText(1, 2), "146.10000");
  EXPECT_EQ(Grid()->Row(), 3);  // the current cell stays where it was
  EXPECT_EQ(Grid()->Col(), 3);

  // Typing what is already there changes no byte and records nothing.
  TypeInto(1, 1, "145.50000", 4, 1);
  EXPECT_EQ(Stack().count(), 3);
}

TEST_F(GridUndoTest, UntouchedChannelsKeepBytesTheGridCannotShow) {
  // Channel 2 holds bytes no text gives back (tones on an empty record);
  // editing channel 1 must leave them alone.
  std::uint8_t* odd = doc.Image().data() + 24;
  odd[0] = 0x00;
  odd[1] = 0x50;
  odd[2] = 0x14;
  odd[8] = 0x12;
  odd[20] = 0x5A;
  MakeView();
  const RadioImage before = doc.Image();
  ASSERT_TRUE(view->SetCell(1, 5, "NAME"));
  for (std::size_t i = 24; i < before.size(); ++i) ASSERT_EQ(doc.Image()[i], before[i]) << i;
}

TEST_F(GridUndoTest, UndoBackToTheSavedStateIsNotModified) {
  MakeView();
  TypeInto(1, 1, "145.5", 2, 2);
  QTemporaryDir dir;
  const QString path = dir.filePath("saved.dat");
  QString error;
  ASSERT_TRUE(doc.OnSaveDocument(path, error)) << error.toStdString();
  EXPECT_FALSE(doc.IsModified());
  TypeInto(2, 1, "440", 3, 3);
  EXPECT_TRUE(doc.IsModified());
  Stack().undo();
  EXPECT_FALSE(doc.IsModified());
  RadioImage saved{};
  std::string loadError;
  ASSERT_TRUE(LoadDatFile(path.toStdString(), saved, loadError));
  EXPECT_EQ(doc.Image(), saved);  // what the file holds, the save's own commit included
  Stack().redo();
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(GridUndoTest, PendingEditIsDroppedByUndoInsteadOfBecomingAStep) {
  MakeView();
  TypeInto(1, 1, "145.5", 1, 5);  // the name editor is open now
  auto* name = qobject_cast<QLineEdit*>(view->OpenEditor());
  ASSERT_NE(name, nullptr);
  EXPECT_FALSE(view->DropPendingEdit());  // nothing typed yet: the undo goes on
  ClickCell(1, 5);
  QTest::keyClicks(view->OpenEditor(), "XY");
  EXPECT_TRUE(view->DropPendingEdit());
  EXPECT_EQ(view->OpenEditor(), nullptr);
  EXPECT_EQ(view->CellText(1, 5), "");
  EXPECT_EQ(Stack().count(), 1);

  // Ctrl+Z in the frequency editor: typed text goes first, then the step.
  ClickCell(1, 1);
  FrequencyEdit()->selectAll();
  QTest::keyClicks(view->OpenEditor(), "9");
  QTest::keyClick(view->OpenEditor(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(view->OpenEditor(), nullptr);
  EXPECT_EQ(view->CellText(1, 1), "145.50000");
  ClickCell(1, 1);
  QTest::keyClick(view->OpenEditor(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(view->CellText(1, 1), "");
  EXPECT_EQ(Stack().index(), 0);
}

TEST_F(GridUndoTest, RowHeadersSelectWholeChannels) {
  MakeView();
  ClickRowHeader(3);
  EXPECT_EQ(view->SelectedChannels(), (std::vector<int>{2}));
  ClickRowHeader(6, Qt::ShiftModifier);
  EXPECT_EQ(view->SelectedChannels(), (std::vector<int>{2, 3, 4, 5}));
  ClickRowHeader(4, Qt::ControlModifier);
  EXPECT_EQ(view->SelectedChannels(), (std::vector<int>{2, 4, 5}));
  ClickRowHeader(129);  // the FR row is no whole channel
  EXPECT_EQ(view->SelectedChannels(), (std::vector<int>{2, 4, 5}));
  ClickCell(8, 2);  // a cell drops the row selection
  EXPECT_TRUE(view->SelectedChannels().empty());
}

TEST_F(GridUndoTest, RowKeysDeleteInsertMoveAndEachIsOneStep) {
  MakeView();
  MakeChannels(5);
  const RadioImage start = doc.Image();
  ClickRowHeader(2);
  ClickRowHeader(3, Qt::ShiftModifier);
  Grid()->setFocus();
  Key(Qt::Key_Delete);
  EXPECT_EQ((std::vector<int>{Tag(0), Tag(1), Tag(2), Tag(3)}), (std::vector<int>{1, 4, 5, 0xFF}));
  EXPECT_EQ(view->CellText(2, 5), "CH4");
  EXPECT_EQ(Stack().undoText(), "Delete channels");
  Stack().undo();
  EXPECT_EQ(doc.Image(), start);
  EXPECT_EQ(view->CellText(2, 5), "CH2");

  ClickRowHeader(2);
  Grid()->setFocus();
  Key(Qt::Key_Down, Qt::ControlModifier);
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ((std::vector<int>{Tag(0), Tag(1), Tag(2), Tag(3)}), (std::vector<int>{1, 3, 4, 2}));
  EXPECT_EQ(view->SelectedChannels(), (std::vector<int>{3}));  // the selection moves along
  Key(Qt::Key_Insert);
  EXPECT_EQ(Tag(3), 0xFF);
  EXPECT_EQ(Tag(4), 2);
  EXPECT_EQ(Stack().count(), 3);
  Stack().undo();
  Stack().undo();
  Stack().undo();
  EXPECT_EQ(doc.Image(), start);

  // Channel 128 in use: Insert is refused with a message and changes nothing.
  ASSERT_TRUE(view->SetCell(128, 1, "150"));
  const RadioImage full = doc.Image();
  const int steps = Stack().count();
  ClickRowHeader(2);
  Grid()->setFocus();
  Key(Qt::Key_Insert);
  EXPECT_EQ(doc.Image(), full);
  EXPECT_EQ(Stack().count(), steps);
  ASSERT_FALSE(messages.empty());
  EXPECT_TRUE(messages.back().text.contains("128"));
}

TEST_F(GridUndoTest, CopyAndPasteCarryWholeChannelsAndAskOnADifferentSize) {
  MakeView();
  MakeChannels(3);
  ClickRowHeader(1);
  ClickRowHeader(2, Qt::ShiftModifier);
  Grid()->setFocus();
  Key(Qt::Key_C, Qt::ControlModifier);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->text().startsWith("145.00000\t145.00000\tNone\tNone\tCH1\tHigh"));
  EXPECT_TRUE(QString::fromUtf8(data->data("text/csv")).startsWith("Location,Name,Frequency"));

  ClickRowHeader(10);
  Grid()->setFocus();
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Tag(9), 1);  // the records came whole, optional signal bytes included
  EXPECT_EQ(Tag(10), 2);
  EXPECT_EQ(view->CellText(11, 5), "CH2");
  EXPECT_EQ(Stack().undoText(), "Paste channels");

  // Two channels into three selected: asked, and No keeps everything.
  const RadioImage before = doc.Image();
  ClickRowHeader(20);
  ClickRowHeader(22, Qt::ShiftModifier);
  SetMessageHook([this](const MessageRequest& m) {
    messages.push_back(m);
    return QMessageBox::No;
  });
  Grid()->setFocus();
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(doc.Image(), before);
  ASSERT_FALSE(messages.empty());
  EXPECT_TRUE(messages.back().text.contains("3 are selected"));
  SetMessageHook([this](const MessageRequest& m) {
    messages.push_back(m);
    return QMessageBox::Yes;
  });
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Tag(19), 1);
  EXPECT_EQ(Tag(20), 2);
  EXPECT_EQ(Tag(21), 0xFF);

  // A spreadsheet's tab-separated lines paste as typed channels.
  QApplication::clipboard()->setText("146.5\t147.1\t67.0\tNone\tSHEET\tLow\tNarrow\tNo\tCarrier\r\n");
  ClickRowHeader(30);
  Grid()->setFocus();
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Row(30), QStringList({"146.50000", "147.10000", "67.0", "None", "SHEET", "Low",
                                  "Narrow", "No", "Carrier"}));
  // One that the radio cannot store is refused whole.
  QApplication::clipboard()->setText("999\t999\n");
  const RadioImage kept = doc.Image();
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(doc.Image(), kept);
}

TEST_F(GridUndoTest, SingleCellCopyStillCopiesTheCellText) {
  MakeView();
  MakeChannels(2);
  Grid()->setFocus();
  Grid()->SetRowCol(2, 5);
  view->DropPendingEdit();
  Grid()->setFocus();
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "CH2");
  Key(Qt::Key_Delete);  // no row selection: Delete removes nothing
  EXPECT_EQ(Tag(1), 2);
}

TEST_F(GridUndoTest, SortAndClearAreSteps) {
  MakeView();
  MakeChannels(3);
  ASSERT_TRUE(view->SetCell(1, 5, "ZED"));
  const RadioImage start = doc.Image();
  ClickRowHeader(1);
  ClickRowHeader(3, Qt::ShiftModifier);
  view->RunRowCommand(CProgramView::RowCommand::kSortName);
  EXPECT_EQ((std::vector<int>{Tag(0), Tag(1), Tag(2)}), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(view->SelectedChannels(), (std::vector<int>{0, 1, 2}));
  view->RunRowCommand(CProgramView::RowCommand::kSortFrequency);
  EXPECT_EQ((std::vector<int>{Tag(0), Tag(1), Tag(2)}), (std::vector<int>{1, 2, 3}));
  view->RunRowCommand(CProgramView::RowCommand::kClear);
  EXPECT_EQ(view->CellText(1, 1), "");
  EXPECT_EQ(Tag(0), 0xFF);
  Stack().undo();
  Stack().undo();
  Stack().undo();
  EXPECT_EQ(doc.Image(), start);
}

}  // namespace
}  // namespace radio
