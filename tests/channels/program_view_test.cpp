#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWheelEvent>

#include "channel_view_fixture.h"
#include "channels/channel_grid_model.h"
#include "channels/grid_layout.h"
#include "image/dat_file.h"

namespace radio {
namespace {

const QStringList kEmptyRow = {"", "", "", "", "", "", "", "", ""};

TEST_F(ChannelViewTest, GridShowsHeadersLabelsAndAnEmptyTable) {
  MakeView();
  EXPECT_EQ(view->windowTitle(), "Channel Information");
  const QStringList headers = {"CH",         "Rx Frequency", "Tx Frequency", "QT/DQT Dec",
                               "QT/DQT Enc", "Chnnel Name",  "Power",        " W/N ",
                               "Scan Add",   "Busy Lock"};
  for (int c = 0; c < 10; ++c) EXPECT_EQ(Grid()->TextMatrix(0, c), headers[c]);
  EXPECT_EQ(Grid()->TextMatrix(1, 0), "1");
  EXPECT_EQ(Grid()->TextMatrix(128, 0), "128");
  EXPECT_EQ(Grid()->TextMatrix(129, 0), "Fr");
  for (int r = 1; r <= 129; ++r) EXPECT_EQ(Row(r), kEmptyRow) << r;

  const auto* model = Grid()->Model();
  EXPECT_EQ(model->headerData(2, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
            QColor(0, 50, 240));
  EXPECT_EQ(model->data(model->IndexOf(7, 5), Qt::FontRole).value<QFont>().family(), "Courier");
  EXPECT_FALSE(model->data(model->IndexOf(7, 4), Qt::FontRole).isValid());
  EXPECT_EQ(model->data(model->IndexOf(7, 4), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

  const auto widths = ColumnWidths(Grid()->horizontalHeader()->defaultSectionSize());
  for (int c = 0; c < 10; ++c) EXPECT_EQ(Grid()->ColWidth(c), widths[static_cast<std::size_t>(c)]);
  EXPECT_EQ(view->OpenEditor(), nullptr);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ChannelViewTest, WideScreenScalesColumnsAndViewOnce) {
  MakeView();
  const int col1 = Grid()->ColWidth(1);
  const QSize size = view->size();
  view->OnDisplayChange(1280);
  EXPECT_EQ(Grid()->ColWidth(1), Scaled(col1, 1.25f));
  EXPECT_EQ(view->width(), Scaled(size.width(), 1.25f));
  view->OnDisplayChange(1280);  // same screen again: nothing more
  EXPECT_EQ(Grid()->ColWidth(1), Scaled(col1, 1.25f));
  view->OnDisplayChange(800);  // 800 pixels or less: the columns stay as they are
  EXPECT_EQ(Grid()->ColWidth(1), Scaled(col1, 1.25f));
  view->OnDisplayChange(1280);  // still the kept scale: nothing more
  EXPECT_EQ(Grid()->ColWidth(1), Scaled(col1, 1.25f));
}

TEST_F(ChannelViewTest, ReceiveFrequencyInAnEmptyRowCreatesAChannel) {
  MakeView();
  TypeInto(1, 1, "145.5", 2, 1);
  EXPECT_EQ(Row(1), QStringList({"145.50000", "145.50000", "None", "None", "", "High", "Wide",
                                 "Yes", "Off"}));
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(doc.IsModified());
  // The click opened the editor of the cell clicked, pre-set from its (empty) text.
  EXPECT_EQ(view->OpenEditor(), FrequencyEdit());
  EXPECT_EQ(Grid()->Row(), 2);
  EXPECT_EQ(FrequencyEdit()->geometry(), Grid()->CellRect(2, 1));
}

TEST_F(ChannelViewTest, ChineseViewUsesChineseHeadersAndDefaults) {
  App().language = Language::Chinese;
  MakeView();
  EXPECT_EQ(view->windowTitle(), "信道信息");
  EXPECT_EQ(Grid()->TextMatrix(0, 1), "接收频率");
  EXPECT_EQ(Grid()->TextMatrix(0, 9), "繁忙锁定");
  TypeInto(3, 1, "435.0125", 4, 1);
  EXPECT_EQ(Row(3),
            QStringList({"435.01250", "435.01250", "无", "无", "", "高", "宽", "是", "关"}));
  ClickCell(3, 9);
  auto* list = qobject_cast<QComboBox*>(view->OpenEditor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->currentText(), "关");
  EXPECT_EQ(list->count(), 3);
}

TEST_F(ChannelViewTest, ChannelStepDecidesAcceptanceAndAnOffStepValueDeletesTheRow) {
  MakeView();
  TypeInto(1, 1, "145.5125", 2, 2);
  TypeInto(2, 1, "145.5150", 3, 2);
  EXPECT_EQ(view->CellText(1, 1), "145.51250");
  EXPECT_EQ(view->CellText(2, 1), "145.51500");
  EXPECT_TRUE(messages.empty());

  TypeInto(2, 1, "145.5130", 5, 5);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Error data Value, please input according the step value(6.25K/5k).");
  EXPECT_EQ(messages[0].caption, "Caution");
  EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(Row(2), kEmptyRow);
  EXPECT_EQ(Grid()->Row(), 5);  // the move went ahead
}

TEST_F(ChannelViewTest, OutOfRangeValueKeepsTheCellTheEditorAndTheCurrentCell) {
  MakeView();
  TypeInto(1, 1, "150.0", 2, 1);
  for (const QString& text : {QString("66.99"), QString("600.00001")}) {
    SCOPED_TRACE(text.toStdString());
    messages.clear();
    TypeInto(1, 1, text, 2, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Error Data Format, please input again.");
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages[0].caption, "Caution");
    EXPECT_EQ(view->CellText(1, 1), "150.00000");
    // The editor stays over channel 1 with what was typed; the move is refused.
    EXPECT_EQ(view->OpenEditor(), FrequencyEdit());
    EXPECT_EQ(FrequencyEdit()->text(), text);
    EXPECT_EQ(FrequencyEdit()->geometry(), Grid()->CellRect(1, 1));
    EXPECT_EQ(Grid()->Row(), 1);
  }
}

TEST_F(ChannelViewTest, FrequencyOutsideBothBandsIsRefused) {
  MakeView();
  TypeInto(1, 1, "600.0", 1, 2);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Out of range, please input again.");
  EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(Row(1), kEmptyRow);
  EXPECT_EQ(view->OpenEditor(), FrequencyEdit());
  EXPECT_EQ(FrequencyEdit()->text(), "600.0");
}

TEST_F(ChannelViewTest, TransmitAndDeletionRules) {
  MakeView();
  TypeInto(1, 1, "145.0", 2, 1);
  TypeInto(1, 2, "300.0", 1, 3);
  EXPECT_EQ(view->CellText(1, 2), "134.00000");
  TypeInto(1, 2, "146.2", 1, 3);
  EXPECT_EQ(view->CellText(1, 2), "146.20000");
  TypeInto(4, 2, "146.2", 1, 3);  // no receive frequency: no transmit either
  EXPECT_EQ(Row(4), kEmptyRow);
  TypeInto(1, 1, "", 5, 5);  // clearing the receive frequency deletes the channel
  EXPECT_EQ(Row(1), kEmptyRow);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ChannelViewTest, ListsTakeTheChosenItemOnlyInAUsedRow) {
  MakeView();
  ClickCell(2, 6);
  auto* power = qobject_cast<QComboBox*>(view->OpenEditor());
  ASSERT_NE(power, nullptr);
  EXPECT_EQ(power->currentText(), "Low");  // empty text: first item
  QTest::keyClick(power, Qt::Key_Down);
  EXPECT_EQ(power->currentText(), "High");
  ClickCell(2, 7);
  EXPECT_EQ(view->CellText(2, 6), "");
  EXPECT_FALSE(doc.IsModified());

  TypeInto(2, 1, "145.5", 2, 6);
  power = qobject_cast<QComboBox*>(view->OpenEditor());
  EXPECT_EQ(power->currentText(), "High");  // pre-set from the cell
  QTest::keyClick(power, Qt::Key_Up);
  ClickCell(2, 4);
  EXPECT_EQ(view->CellText(2, 6), "Low");
  auto* tones = qobject_cast<QComboBox*>(view->OpenEditor());
  ASSERT_NE(tones, nullptr);
  EXPECT_EQ(tones->count(), 261);
  tones->setCurrentIndex(tones->findText("D754I"));
  QTest::keyClick(tones, Qt::Key_Return);  // Enter takes the value and closes the list
  EXPECT_EQ(view->CellText(2, 4), "D754I");
  EXPECT_EQ(view->OpenEditor(), nullptr);
}

TEST_F(ChannelViewTest, FrequencyEditorKeyRules) {
  MakeView();
  ClickCell(1, 1);
  QLineEdit* edit = FrequencyEdit();
  QTest::keyClick(edit, Qt::Key_1, Qt::ShiftModifier);
  QTest::keyClick(edit, Qt::Key_Exclam, Qt::ShiftModifier);
  QTest::keyClick(edit, Qt::Key_A);
  QTest::keyClick(edit, Qt::Key_Minus);
  QTest::keyClick(edit, Qt::Key_Space);
  EXPECT_EQ(edit->text(), "");
  QTest::keyClick(edit, Qt::Key_1, Qt::KeypadModifier);
  QTest::keyClick(edit, Qt::Key_4, Qt::KeypadModifier);
  QTest::keyClick(edit, Qt::Key_6, Qt::KeypadModifier);
  QTest::keyClick(edit, Qt::Key_Comma, Qt::KeypadModifier);  // decimal-comma keypads
  QTest::keyClicks(edit, "0125");
  EXPECT_EQ(edit->text(), "146.0125");
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "146.015");
  QTest::keyClicks(edit, "2");
  QTest::keyClicks(edit, "1234567");  // at most 9 characters
  EXPECT_EQ(edit->text(), "146.01215");
  edit->setText("146.0125");

  // Enter commits and closes the editor; the current cell stays.
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(view->CellText(1, 1), "146.01250");
  EXPECT_EQ(view->OpenEditor(), nullptr);
  EXPECT_EQ(Grid()->Row(), 1);

  // Enter after a refusal empties the editor, keeps it open and keeps the row.
  for (const char* bad : {"145.5130", "66.99", "600.0"}) {
    SCOPED_TRACE(bad);
    messages.clear();
    ClickCell(1, 1);
    edit->setText(bad);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(view->OpenEditor(), edit);
    EXPECT_EQ(view->CellText(1, 1), "146.01250");
    EXPECT_EQ(view->CellText(1, 6), "High");
  }
}

TEST_F(ChannelViewTest, EightCharacterNameFromAFileIsKeptWhole) {
  std::uint8_t* record = doc.Image().data() + 4 * 24;  // channel 5
  const std::uint8_t bytes[24] = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x38, 0xFF, 0xFF,
                                  'R',  'E',  'P',  'E',  'A',  'T',  'E',  'R'};
  std::copy(std::begin(bytes), std::end(bytes), record);
  MakeView();
  EXPECT_EQ(view->CellText(5, 5), "REPEATER");
  ClickCell(5, 5);
  auto* name = qobject_cast<QLineEdit*>(view->OpenEditor());
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), "REPEATER");
  QTest::keyClick(name, Qt::Key_X);  // cannot grow
  EXPECT_EQ(name->text(), "REPEATER");
  ClickCell(5, 6);  // leave it unchanged, edit the power
  QTest::keyClick(view->OpenEditor(), Qt::Key_Up);
  ClickCell(6, 6);
  EXPECT_EQ(view->CellText(5, 5), "REPEATER");
  EXPECT_EQ(view->CellText(5, 6), "Low");
  view->CommitToImage();
  EXPECT_TRUE(std::equal(record + 16, record + 24, "REPEATER"));

  // Typing never makes a name longer than 7 characters.
  ClickCell(5, 5);
  name->selectAll();
  QTest::keyClicks(name, "LONGNAME9");
  EXPECT_EQ(name->text(), "LONGNAM");
}

TEST_F(ChannelViewTest, ARecordWithoutTransmitKeepsWhatWasTypedAndEveryOtherByte) {
  std::uint8_t* record = doc.Image().data() + 2 * 24;  // channel 3: receive only
  const std::uint8_t bytes[24] = {0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x2B, 0xFF, 0xFF,
                                  'O',  'L',  'D',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  std::copy(std::begin(bytes), std::end(bytes), record);
  std::fill_n(doc.Image().data() + kBandLimitOffset, 6, std::uint8_t{0xFF});
  MakeView();
  EXPECT_EQ(view->CellText(3, 5), "");
  ClickCell(3, 5);
  auto* name = qobject_cast<QLineEdit*>(view->OpenEditor());
  ASSERT_NE(name, nullptr);
  QTest::keyClicks(name, "NEW");
  ClickCell(4, 5);
  EXPECT_EQ(view->CellText(3, 5), "NEW") << "the typed name stays in sight";
  EXPECT_TRUE(std::equal(record + 16, record + 19, "NEW"));
  EXPECT_EQ(record[13], 0x2B) << "flags the user did not touch";
  view->CommitToImage();  // the whole-table commit of Save
  EXPECT_TRUE(std::equal(record + 16, record + 19, "NEW"));
  EXPECT_EQ(record[19], 0xFF);
  EXPECT_EQ(record[13], 0x2B);
  EXPECT_TRUE(std::all_of(doc.Image().data() + kBandLimitOffset,
                          doc.Image().data() + kBandLimitOffset + 6,
                          [](std::uint8_t b) { return b == 0xFF; }))
      << "an all-0xFF band block survives";
}

TEST_F(ChannelViewTest, ChineseNamesAreGbkBytesAndLimitedTo7Bytes) {
  App().language = Language::Chinese;
  std::uint8_t* record = doc.Image().data();
  const std::uint8_t bytes[24] = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x38, 0xFF, 0xFF,
                                  0xD6, 0xD0, 0xBC, 0xCC, 'A',  '1',  '2',  0xD6};
  std::copy(std::begin(bytes), std::end(bytes), record);
  MakeView();
  // "中继A12" and the first byte of a character cut off by the 8-byte field.
  EXPECT_TRUE(view->CellText(1, 5).startsWith(QString::fromUtf8("中继A12")));
  ClickCell(1, 5);  // entered and left as shown: the stored bytes stay
  ClickCell(1, 6);
  QTest::keyClick(view->OpenEditor(), Qt::Key_Down);
  ClickCell(2, 6);
  EXPECT_EQ(view->CellText(1, 6), QString::fromUtf8("高"));
  view->CommitToImage();
  EXPECT_TRUE(std::equal(bytes + 16, bytes + 24, record + 16));

  ClickCell(1, 5);
  auto* name = qobject_cast<QLineEdit*>(view->OpenEditor());
  name->selectAll();
  QTest::keyClick(name, Qt::Key_Backspace);
  name->insert(QString::fromUtf8("中文中文"));  // 8 bytes: refused whole
  EXPECT_EQ(name->text(), "");
  for (const char* part : {"中", "文", "中", "文", "B"}) name->insert(QString::fromUtf8(part));
  EXPECT_EQ(name->text(), QString::fromUtf8("中文中B"));  // 7 bytes
  ClickCell(2, 5);
  view->CommitToImage();
  const std::uint8_t gbk[8] = {0xD6, 0xD0, 0xCE, 0xC4, 0xD6, 0xD0, 'B', 0xFF};
  EXPECT_TRUE(std::equal(gbk, gbk + 8, record + 16));
}

TEST_F(ChannelViewTest, SaveAfterEditsWritesTheCodecBytes) {
  MakeView();
  TypeInto(1, 1, "145.5", 1, 9);
  QTest::keyClick(view->OpenEditor(), Qt::Key_Down);  // Carrier
  ClickCell(1, 3);
  auto* tones = qobject_cast<QComboBox*>(view->OpenEditor());
  tones->setCurrentIndex(tones->findText("67.0"));
  TypeInto(1, 2, "146.1", 129, 1);  // tx above rx; leave to the FR row
  TypeInto(129, 1, "440.00625", 129, 2);
  ASSERT_TRUE(doc.IsModified());

  QTemporaryDir dir;
  const QString path = dir.filePath("saved.dat");
  QString error;
  ASSERT_TRUE(doc.OnSaveDocument(path, error)) << error.toStdString();
  EXPECT_FALSE(doc.IsModified());
  RadioImage saved{};
  std::string loadError;
  ASSERT_TRUE(LoadDatFile(path.toStdString(), saved, loadError));

  // What the codec stores for those texts, starting from the new image.
  BandLimitBytes bytes = kTestBands;
  RadioImage expected = MakeNewImage(bytes);
  ChannelTable table;  // every text empty
  table[0] = {"145.50000", "146.10000", "67.0", "None", "", "High", "Wide", "Yes", "Carrier"};
  table[128] = {"440.00625", "440.00625", "None", "None", "", "High", "Wide", "Yes", "Off"};
  EncodeChannelTable(table, DecodeBandLimits(kTestBands), expected);
  EXPECT_TRUE(saved == expected);
  // Spot checks in the radio's own terms.
  const std::uint8_t rx[] = {0x00, 0x00, 0x55, 0x14};  // 14550000
  EXPECT_TRUE(std::equal(rx, rx + 4, saved.begin()));
  EXPECT_EQ(saved[9], 0x06);  // 67.0 Hz, high byte
  EXPECT_EQ(saved[8], 0x70);
  EXPECT_EQ(saved[13] & 0xC0, 0x80);  // transmit above receive
  EXPECT_EQ(saved[13] & 0x06, 0x02);  // busy lock: carrier
  EXPECT_EQ(saved[0xC00 + 3], 0x44);  // FR record 440.00625
}

TEST_F(ChannelViewTest, ScrollClosesTheEditorWithoutCommitting) {
  MakeView();
  ClickCell(1, 1);
  QTest::keyClicks(FrequencyEdit(), "145.5");
  Grid()->verticalScrollBar()->setValue(10);
  EXPECT_EQ(view->OpenEditor(), nullptr);
  EXPECT_TRUE(FrequencyEdit()->isHidden());
  EXPECT_EQ(Row(1), kEmptyRow);
  EXPECT_EQ(Grid()->verticalScrollBar()->value(), 10);
  ClickCell(Grid()->rowAt(5) + 1, 2);
  EXPECT_EQ(Grid()->Row(), 11);
  EXPECT_EQ(Row(1), kEmptyRow);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ChannelViewTest, OneWheelNotchPagesTheGrid) {
  MakeView();
  QScrollBar* bar = Grid()->verticalScrollBar();
  const auto wheel = [&](int delta) {
    const QPointF at = Grid()->viewport()->rect().center();
    QWheelEvent event(at, Grid()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Grid()->viewport(), &event);
  };
  ASSERT_GT(bar->pageStep(), 6);
  wheel(-120);
  EXPECT_EQ(bar->value(), bar->pageStep());
  wheel(120);
  EXPECT_EQ(bar->value(), 0);
  wheel(-240);  // not a single notch: the grid's usual line scrolling
  EXPECT_GT(bar->value(), 0);
  EXPECT_LT(bar->value(), bar->pageStep());
}

TEST_F(ChannelViewTest, KeyboardWalksTheGridAndEnterOrF2OpensTheEditor) {
  MakeView();
  Grid()->setFocus();
  QTest::keyClick(Grid(), Qt::Key_Right);
  QTest::keyClick(Grid(), Qt::Key_Down);
  EXPECT_EQ(Grid()->Row(), 2);
  EXPECT_EQ(Grid()->Col(), 2);
  EXPECT_EQ(view->OpenEditor(), nullptr);
  QTest::keyClick(Grid(), Qt::Key_Tab);
  EXPECT_EQ(Grid()->Col(), 3);
  QTest::keyClick(Grid(), Qt::Key_F2);
  EXPECT_EQ(view->OpenEditor(), view->Editor(1132));

  // Tab from a list takes its value and moves on.
  QTest::keyClick(view->OpenEditor(), Qt::Key_Tab);
  EXPECT_EQ(Grid()->Col(), 4);
  EXPECT_EQ(view->OpenEditor(), nullptr);

  // Paging far down keeps the current cell in view; Enter opens its editor there.
  for (int i = 0; i < 20; ++i) QTest::keyClick(Grid(), Qt::Key_PageDown);
  EXPECT_EQ(Grid()->Row(), 129);
  QTest::keyClick(Grid(), Qt::Key_Return);
  ASSERT_NE(view->OpenEditor(), nullptr);
  EXPECT_TRUE(Grid()->viewport()->rect().contains(view->OpenEditor()->geometry().center()));
}

TEST_F(ChannelViewTest, EditorFollowsItsCellWhenColumnsResize) {
  MakeView();
  ClickCell(3, 5);
  QWidget* editor = view->OpenEditor();
  ASSERT_EQ(editor, view->Editor(1126));
  Grid()->SetColWidth(2, Grid()->ColWidth(2) + 40);
  EXPECT_EQ(editor->geometry(), Grid()->CellRect(3, 5));
  ClickCell(3, 5, Qt::RightButton);  // any button reopens the current cell's editor
  EXPECT_EQ(view->OpenEditor(), editor);
}

TEST_F(ChannelViewTest, HelpContextsFollowTheFocusedEditorAndColumn) {
  QTemporaryDir dir;
  QFile help(dir.filePath("enHelp.html"));
  ASSERT_TRUE(help.open(QIODevice::WriteOnly));
  help.write("<html><body>help</body></html>");
  help.close();
  App().programDir = dir.path() + "/";
  App().helpFileName = "enHelp.html";
  MakeView();
  const std::pair<int, int> cases[] = {{1, 2127}, {2, 2128}, {3, 2132}, {4, 2133}, {5, 1126},
                                       {6, 1129}, {7, 1128}, {8, 1134}, {9, 1130}};
  for (const auto& [col, context] : cases) {
    ClickCell(1, col);
    EXPECT_EQ(view->HelpContext(), context) << col;
  }
  QTest::keyClick(view->OpenEditor(), Qt::Key_Escape);
  EXPECT_EQ(view->HelpContext(), 1022);

  ClickCell(1, 4);
  QTest::keyClick(view->OpenEditor(), Qt::Key_F1);
  QTextBrowser* browser = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* b = qobject_cast<QTextBrowser*>(w)) browser = b;
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(browser->source().fragment(), "ctx-2133");
  browser->close();
  App().programDir.clear();
}

TEST_F(ChannelViewTest, FillAfterAReadReplacesTheCellsAndClosesTheEditor) {
  MakeView();
  TypeInto(1, 1, "145.5", 1, 1);
  QTest::keyClicks(FrequencyEdit(), "1");
  RadioImage& image = doc.Image();
  const std::uint8_t rx[] = {0x50, 0x62, 0x25, 0x46};  // 462.5625 MHz
  std::copy(rx, rx + 4, image.begin());
  std::copy(rx, rx + 4, image.begin() + 4);
  view->FillFromImage();
  EXPECT_EQ(view->CellText(1, 1), "462.56250");
  EXPECT_EQ(view->OpenEditor(), nullptr);
  EXPECT_EQ(App().band.limits, DecodeBandLimits(kTestBands));
}

}  // namespace
}  // namespace radio
