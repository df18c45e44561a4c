#include "features/msk_dlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <random>

#include "features/dialog_test_support.h"
#include "features/msk_fields.h"

namespace radio {
namespace {

using testing::HelpFiles;
using testing::LanguageScope;
using testing::RunAsUser;

// An image whose bytes around the MSK fields are a recognisable pattern.
RadioImage PatternImage() {
  RadioImage image;
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  MskSettings empty;
  StoreMskSettings(empty, image);
  return image;
}

using testing::Button;

void ClickCell(CMskDlg& dialog, int row) {
  QTableWidget* grid = dialog.CallListGrid();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualItemRect(grid->item(row, 1)).center());
}

class MskDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.Image() = PatternImage(); }
  CProgramDoc doc;
};

TEST_F(MskDlgTest, TypingShowsUpperCaseAndSwallowsEverythingButHex) {
  CMskDlg dialog;
  RunAsUser(dialog, doc, [&] {
    QLineEdit* id = dialog.IdCodeEdit();
    QTest::mouseClick(id, Qt::LeftButton);
    QTest::keyClicks(id, "1a");
    QTest::keyClick(id, Qt::Key_G);
    QTest::keyClick(id, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), id) << "Tab is swallowed";
    QTest::keyClick(id, Qt::Key_C, Qt::ShiftModifier);
    QTest::keyClick(id, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "Esc is swallowed";
    QTest::keyClick(id, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter is swallowed";
    QTest::keyClick(id, Qt::Key_9, Qt::KeypadModifier);
    QTest::keyClicks(id, "fe");  // beyond four characters
    EXPECT_EQ(id->text(), "1A9F");
    QTest::keyClick(id, Qt::Key_Backspace);
    EXPECT_EQ(id->text(), "1A9");
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  const RadioImage& image = doc.Image();
  EXPECT_EQ(image[0x12C0], '1');
  EXPECT_EQ(image[0x12C1], 'A');
  EXPECT_EQ(image[0x12C2], '9');
  EXPECT_EQ(image[0x12C3], 0xFF);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(MskDlgTest, OkWhileACellIsBeingEditedStoresTheEdit) {
  CMskDlg dialog;
  const RadioImage before = doc.Image();
  RunAsUser(dialog, doc, [&] {
    ClickCell(dialog, 4);
    ASSERT_TRUE(dialog.IsEditingCell());
    QLineEdit* editor = dialog.CellEditor();
    EXPECT_EQ(QApplication::focusWidget(), editor);
    QTest::keyClicks(editor, "be");
    QTest::keyClick(editor, Qt::Key_G);
    QTest::keyClicks(editor, "ef");
    EXPECT_EQ(editor->text(), "BEEF") << "lower case shows upper case, G swallowed";
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  const RadioImage& image = doc.Image();
  EXPECT_EQ(image[0x12D8], 'B');
  EXPECT_EQ(image[0x12D9], 'E');
  EXPECT_EQ(image[0x12DA], 'E');
  EXPECT_EQ(image[0x12DB], 'F') << "four characters leave no 0xFF";
  for (std::size_t o = 0; o < kImageSize; ++o) {
    if (o < 0x12D8 || o > 0x12DB) {
      ASSERT_EQ(image[o], before[o]) << "offset " << o;
    }
  }
  EXPECT_EQ(dialog.CallListGrid()->item(4, 1)->text(), "BEEF");
}

TEST_F(MskDlgTest, LeavingACellOrFocusingTheIdCommitsTheCell) {
  MskSettings stored;
  stored.idCode = "1A";
  stored.callList = {"11", "22", "33", "44", "55", "66", "77", "88", "99"};
  StoreMskSettings(stored, doc.Image());
  CMskDlg dialog;
  RunAsUser(dialog, doc, [&] {
    EXPECT_EQ(dialog.IdCodeEdit()->text(), "1A");
    EXPECT_EQ(dialog.CallListGrid()->item(9, 1)->text(), "99");
    ClickCell(dialog, 2);
    EXPECT_EQ(dialog.CellEditor()->text(), "22") << "the editor starts with the cell's text";
    EXPECT_EQ(dialog.CellEditor()->selectedText(), "22");
    QTest::keyClicks(dialog.CellEditor(), "a");  // replaces the selected text
    ClickCell(dialog, 3);
    EXPECT_EQ(dialog.CallListGrid()->item(2, 1)->text(), "A");
    QTest::keyClick(dialog.CellEditor(), Qt::Key_Down);
    EXPECT_EQ(dialog.CallListGrid()->currentRow(), 4) << "Down moves to the next entry";
    QTest::keyClick(dialog.CellEditor(), Qt::Key_Up);
    EXPECT_EQ(dialog.CellEditor()->text(), "33");
    QTest::keyClick(dialog.CellEditor(), Qt::Key_Delete);  // clears "33"
    QTest::mouseClick(dialog.IdCodeEdit(), Qt::LeftButton);
    EXPECT_FALSE(dialog.IsEditingCell());
    EXPECT_EQ(dialog.CallListGrid()->item(3, 1)->text(), "");
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  const MskSettings after = LoadMskSettings(doc.Image());
  EXPECT_EQ(after.callList[1], "A");
  EXPECT_EQ(after.callList[2], "");
  EXPECT_EQ(doc.Image()[0x12CC], 0xFF) << "an emptied cell writes four 0xFF";
  EXPECT_EQ(after.callList[3], "44");
}

TEST_F(MskDlgTest, TheCellEditorCoversItsCellAndTheGridShowsEveryRow) {
  CMskDlg dialog;
  RunAsUser(dialog, doc, [&] {
    QTableWidget* grid = dialog.CallListGrid();
    int rows = 2 * grid->frameWidth();
    for (int row = 0; row < grid->rowCount(); ++row) rows += grid->rowHeight(row);
    EXPECT_EQ(grid->height(), rows) << "no row cut off, none added";
    ClickCell(dialog, 6);
    ASSERT_TRUE(dialog.IsEditingCell());
    EXPECT_EQ(dialog.CellEditor()->geometry(), grid->visualItemRect(grid->item(6, 1)));
    EXPECT_EQ(dialog.CellEditor()->font(), dialog.font());
    EXPECT_EQ(dialog.CellEditor()->alignment(), Qt::AlignCenter);
    QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
  });
}

TEST_F(MskDlgTest, CancelAndUnchangedOkLeaveTheImageAndTheModifiedFlag) {
  CMskDlg dialog;  // one object, run again and again like the main frame's
  const RadioImage before = doc.Image();
  RunAsUser(dialog, doc, [&] {
    QTest::keyClicks(dialog.IdCodeEdit(), "abcd");
    ClickCell(dialog, 5);
    QTest::keyClicks(dialog.CellEditor(), "12");
    QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
  });
  EXPECT_EQ(doc.Image(), before);
  EXPECT_FALSE(doc.IsModified());

  RunAsUser(dialog, doc, [&] {
    EXPECT_EQ(dialog.IdCodeEdit()->text(), "") << "reloaded from the image";
    EXPECT_FALSE(dialog.IsEditingCell());
    EXPECT_EQ(dialog.CallListGrid()->item(5, 1)->text(), "");
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  EXPECT_EQ(doc.Image(), before);
  EXPECT_FALSE(doc.IsModified()) << "OK without a change does not mark the document";
}

TEST_F(MskDlgTest, OkWithoutEditKeepsWhateverBytesTheFieldsHold) {
  CMskDlg dialog;
  std::mt19937 rng(77);
  for (int round = 0; round < 5; ++round) {
    RadioImage image;
    for (auto& b : image) {
      b = static_cast<std::uint8_t>(rng());
      if (b >= 'a' && b <= 'z') b = 0x80;  // stored lower case would show upper case
    }
    doc.Image() = image;
    RadioImage expected = image;
    StoreMskSettings(LoadMskSettings(image), expected);
    RunAsUser(dialog, doc, [&] { QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton); });
    ASSERT_EQ(doc.Image(), expected) << "round " << round;
  }
}

TEST_F(MskDlgTest, ChineseHeadingsAndFixedCellsInTheirColour) {
  LanguageScope chinese(Language::Chinese);
  CMskDlg dialog;
  QTableWidget* grid = dialog.CallListGrid();
  EXPECT_EQ(grid->item(0, 0)->text(), "编号");
  EXPECT_EQ(grid->item(0, 1)->text(), "呼叫列表");
  EXPECT_EQ(grid->item(9, 0)->text(), "9");
  EXPECT_EQ(grid->item(1, 0)->foreground().color(), QColor(0x00, 0x46, 0xD5));
  EXPECT_FALSE(grid->item(1, 0)->flags() & Qt::ItemIsEnabled) << "fixed cells are never edited";
}

TEST_F(MskDlgTest, F1AsksForTheFocusedControlsHelp) {
  HelpFiles help;
  CMskDlg dialog;
  RunAsUser(dialog, doc, [&] {
    QTest::mouseClick(dialog.IdCodeEdit(), Qt::LeftButton);
    QTest::keyClick(dialog.IdCodeEdit(), Qt::Key_F1);
    EXPECT_EQ(HelpFiles::Shown(), "enHelp.html#ctx-1048");
    ClickCell(dialog, 1);
    QTest::keyClick(dialog.CellEditor(), Qt::Key_F1);
    EXPECT_EQ(HelpFiles::Shown(), "enHelp.html#ctx-1349") << "the editor answers for its grid";
    dialog.reject();
  });
}

}  // namespace
}  // namespace radio
