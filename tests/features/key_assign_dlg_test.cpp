#include "features/key_assign_dlg.h"

#include <QPushButton>
#include <QRadioButton>

#include "features/dialog_test_support.h"
#include "features/side_key_fields.h"

namespace radio {
namespace {

using testing::HelpFiles;
using testing::LanguageScope;
using testing::RunAsUser;

using testing::Button;

TEST(KeyAssignDlg, ChoosingSquelchOffKeepsTheUpperBits) {
  CProgramDoc doc;
  doc.Image().fill(0x00);
  doc.Image()[kSideKeyOffset] = 0xFF;
  CKeyAssignDlg dialog;
  RunAsUser(dialog, doc, [&] {
    EXPECT_TRUE(dialog.Choice(0)->isChecked());
    EXPECT_EQ(dialog.Choice(0)->text(), "Option Singalling Call");
    EXPECT_EQ(dialog.Choice(3)->text(), "Squelch Off Momentary");
    QTest::mouseClick(dialog.Choice(3), Qt::LeftButton);
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  EXPECT_EQ(doc.Image()[kSideKeyOffset], 0xFC);
  EXPECT_TRUE(doc.IsModified());
}

TEST(KeyAssignDlg, UnchangedOkAndCancelLeaveTheByte) {
  CProgramDoc doc;
  doc.Image().fill(0x00);
  doc.Image()[kSideKeyOffset] = 0x02;
  {
    CKeyAssignDlg dialog;
    RunAsUser(dialog, doc, [&] {
      EXPECT_TRUE(dialog.Choice(1)->isChecked()) << "Emergency Call";
      QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
    });
  }
  EXPECT_EQ(doc.Image()[kSideKeyOffset], 0x02);
  EXPECT_FALSE(doc.IsModified());
  CKeyAssignDlg dialog;
  RunAsUser(dialog, doc, [&] {
    QTest::mouseClick(dialog.Choice(2), Qt::LeftButton);
    QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
  });
  EXPECT_EQ(doc.Image()[kSideKeyOffset], 0x02);
  EXPECT_FALSE(doc.IsModified());
}

TEST(KeyAssignDlg, F1OpensTheEnglishFileWithTheCommandsTopic) {
  HelpFiles help;
  LanguageScope chinese(Language::Chinese);
  CProgramDoc doc;
  doc.Image().fill(0xFF);
  CKeyAssignDlg dialog;
  RunAsUser(dialog, doc, [&] {
    dialog.Choice(2)->setFocus();
    QTest::keyClick(dialog.Choice(2), Qt::Key_F1);
    EXPECT_EQ(HelpFiles::Shown(), "enHelp.html#ctx-32800");
    QPushButton* ok = Button(dialog, "OK");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_F1);
    EXPECT_EQ(HelpFiles::Shown(), "enHelp.html#ctx-1");
    dialog.reject();
  });
}

}  // namespace
}  // namespace radio
