// A setting dialog's run is one undo step: whatever the user changed in it
// comes back with one Undo, the grid refills once, and a run that changed
// nothing leaves the history and the modified flag alone.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QUndoStack>

#include "features/dialog_test_support.h"
#include "features/msk_dlg.h"

namespace radio {
namespace {

using testing::RunAsUser;

void Click(QDialog& dialog, const QString& text) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == text) return QTest::mouseClick(b, Qt::LeftButton);
  ADD_FAILURE() << "no button " << text.toStdString();
}

// Types `text` into call list entry `row` through the in-place editor.
void TypeEntry(CMskDlg& dialog, int row, const char* text) {
  QTableWidget* grid = dialog.CallListGrid();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualItemRect(grid->item(row, 1)).center());
  ASSERT_TRUE(dialog.IsEditingCell());
  QTest::keyClicks(dialog.CellEditor(), text);
}

class SettingDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BandLimitBytes band = kDefaultBandLimitBytes;
    doc.Image() = MakeNewImage(band);
  }
  CProgramDoc doc;
  CMskDlg dialog;
  QSignalSpy refills{&doc, &CProgramDoc::imageChanged};
};

TEST_F(SettingDlgTest, OkIsOneNamedStepAndOneRefill) {
  const RadioImage before = doc.Image();
  RunAsUser(
      dialog, doc,
      [&] {
        QTest::keyClicks(dialog.IdCodeEdit(), "12");
        TypeEntry(dialog, 2, "a1");
        TypeEntry(dialog, 5, "b2");
        Click(dialog, "OK");
      },
      "MSK");
  ASSERT_NE(doc.Image(), before);
  EXPECT_EQ(doc.UndoStack().count(), 1);
  EXPECT_EQ(doc.UndoStack().undoText(), "MSK");
  EXPECT_EQ(refills.count(), 1);
  EXPECT_TRUE(doc.IsModified());

  doc.UndoStack().undo();
  EXPECT_EQ(doc.Image(), before) << "one Undo takes the whole dialog back";
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(SettingDlgTest, CancelAndUnchangedOkRecordNothing) {
  const RadioImage before = doc.Image();
  RunAsUser(dialog, doc, [&] {
    TypeEntry(dialog, 1, "7");
    Click(dialog, "Cancel");
  });
  RunAsUser(dialog, doc, [&] {
    EXPECT_FALSE(dialog.IsEditingCell()) << "the cancelled edit is gone";
    EXPECT_EQ(dialog.CallListGrid()->item(1, 1)->text(), "");
    Click(dialog, "OK");
  });
  EXPECT_EQ(doc.Image(), before);
  EXPECT_EQ(doc.UndoStack().count(), 0);
  EXPECT_EQ(refills.count(), 0);
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace radio
