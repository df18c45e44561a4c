// F1 on the DTMF and 2-Tone pages opens the help file at the focused
// control's identifier, also where every other key is swallowed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "base/app_context.h"
#include "features/dialog_test_support.h"
#include "features/dtmf_dlg.h"
#include "features/dtmf_pages.h"
#include "features/two_tone_dlg.h"
#include "features/two_tone_pages.h"
#include "widgets/grid_cell_editor.h"
#include "widgets/step_field.h"

namespace radio {
namespace {

class HelpKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BandLimitBytes band = kDefaultBandLimitBytes;
    image = MakeNewImage(band);
  }
  // The fragment of the page the help window shows, or "" when none is open.
  static QString ShownContext() { return testing::HelpFiles::Shown().section('#', 1); }
  void PressF1(QWidget* w) {
    w->setFocus();
    QTest::keyClick(w, Qt::Key_F1);
  }

  testing::HelpFiles help;
  RadioImage image{};
};

TEST_F(HelpKeyTest, DtmfPagesAnswerWithTheFocusedControl) {
  CDtmfDlg dlg(nullptr);
  dlg.Open(image);
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  PressF1(dlg.EncodePage()->FirstDigitDelayEdit());
  EXPECT_EQ(ShownContext(), "ctx-1085");
  EXPECT_EQ(dlg.EncodePage()->FirstDigitDelayEdit()->text(), "200");
  dlg.Tabs()->setCurrentIndex(1);
  PressF1(dlg.DecodePage()->StunCode());
  EXPECT_EQ(ShownContext(), "ctx-1082");
  dlg.Tabs()->setCurrentIndex(2);
  dlg.CallListPage()->Grid()->setCurrentCell(3, 1);
  PressF1(dlg.CallListPage()->Editor()->Edit());  // the editor answers for its grid
  EXPECT_EQ(ShownContext(), "ctx-1022");
  dlg.close();
}

TEST_F(HelpKeyTest, TwoTonePagesAnswerWithTheFocusedControl) {
  CTwoToneDlg dlg(nullptr);
  dlg.Open(image);
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  PressF1(dlg.EncodePage()->Field(4)->Edit());
  EXPECT_EQ(ShownContext(), "ctx-1054");
  dlg.Tabs()->setCurrentIndex(1);
  dlg.DecodeSheet()->Tabs()->setCurrentIndex(6);
  PressF1(dlg.DecodeSheet()->Page(6)->Field(5)->Edit());
  EXPECT_EQ(ShownContext(), "ctx-1042");
  dlg.close();
}

}  // namespace
}  // namespace radio
