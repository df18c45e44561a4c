// The DTMF dialog driven as a user would: pages load when shown and store
// when hidden, keys are filtered by typing, every way out stores.
#include "features/dtmf_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "features/dtmf_fields.h"
#include "features/dtmf_pages.h"
#include "widgets/grid_cell_editor.h"
#include "widgets/step_field.h"

namespace radio {
namespace {

class DtmfDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    BandLimitBytes band = kDefaultBandLimitBytes;
    image = MakeNewImage(band);
  }
  void OpenDialog() {
    dlg.Open(image);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  }
  void Click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  RadioImage image{};
  CDtmfDlg dlg{nullptr};
};

TEST_F(DtmfDlgTest, EncodeLoadsOnOpenAndStoresSnappedWhenHidden) {
  image[kDtmfFirstDelayOffset] = 0x35;
  image[kDtmfSpeedOffset] = 0xFD;  // speed code 1, foreign upper bits
  OpenDialog();
  CDtmfEncodePage* page = dlg.EncodePage();
  EXPECT_EQ(page->FirstDigitDelayEdit()->text(), "1050");
  EXPECT_EQ(page->SpeedEdit()->text(), "8");
  dlg.Tabs()->setCurrentIndex(1);
  EXPECT_EQ(image[kDtmfFirstDelayOffset], 20);  // 1000 ms
  EXPECT_EQ(image[kDtmfSpeedOffset], 0xFD);
  // Changes made in the image meanwhile are seen when the page shows again.
  image[kDtmfFirstDigitOffset] = 10;
  dlg.Tabs()->setCurrentIndex(0);
  EXPECT_EQ(page->FirstDigitTimeEdit()->text(), "500");
}

TEST_F(DtmfDlgTest, EncodeKeysAreDigitsOnlyAndEscIsSwallowed) {
  OpenDialog();
  QLineEdit* delay = dlg.EncodePage()->FirstDigitDelayEdit();
  delay->setFocus();
  delay->clear();
  QTest::keyClicks(delay, "1a2.-3 456");
  EXPECT_EQ(delay->text(), "1234");  // digits only, at most 4 characters
  QTest::keyClick(delay, Qt::Key_Backspace);
  QTest::keyClick(delay, Qt::Key_Left);  // swallowed: the caret stays at the end
  QTest::keyClick(delay, Qt::Key_5);
  EXPECT_EQ(delay->text(), "1235");
  QTest::keyClick(delay, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  QTest::keyClick(delay, Qt::Key_Tab);
  EXPECT_TRUE(delay->hasFocus());
}

TEST_F(DtmfDlgTest, UpDownAndFocusLossFollowTheStepRules) {
  OpenDialog();
  CDtmfEncodePage* page = dlg.EncodePage();
  page->SpeedEdit()->setText("15");
  Click(page->Field(0)->UpDown()->Up());
  EXPECT_EQ(page->SpeedEdit()->text(), "6");
  Click(page->Field(0)->UpDown()->Down());
  EXPECT_EQ(page->SpeedEdit()->text(), "15");
  page->FirstDigitDelayEdit()->setText("73");
  Click(page->Field(1)->UpDown()->Up());
  EXPECT_EQ(page->FirstDigitDelayEdit()->text(), "100");
  page->FirstDigitTimeEdit()->setText("0");
  Click(page->Field(2)->UpDown()->Down());
  EXPECT_EQ(page->FirstDigitTimeEdit()->text(), "1000");

  page->SpeedEdit()->setFocus();
  page->SpeedEdit()->setText("12");
  page->StarHashTimeEdit()->setFocus();  // leaving the speed snaps it
  EXPECT_EQ(page->SpeedEdit()->text(), "10");
  page->StarHashTimeEdit()->setText("250");
  page->SpeedEdit()->setFocus();
  EXPECT_EQ(page->StarHashTimeEdit()->text(), "100");
}

TEST_F(DtmfDlgTest, FieldStillFocusedIsSnappedAtStore) {
  OpenDialog();
  CDtmfEncodePage* page = dlg.EncodePage();
  page->FirstDigitDelayEdit()->setFocus();
  page->FirstDigitDelayEdit()->setText("9999");
  dlg.done(0);
  EXPECT_EQ(image[kDtmfFirstDelayOffset], 20);
}

TEST_F(DtmfDlgTest, GroupCodeListReplacesTheEditAndUnpickedCodeStaysAsLoaded) {
  image[kDtmfGroupCodeOffset] = 0x00;
  OpenDialog();
  dlg.Tabs()->setCurrentIndex(1);
  CDtmfDecodePage* page = dlg.DecodePage();
  EXPECT_EQ(page->GroupCode()->text(), "");
  page->GroupCode()->setFocus();
  EXPECT_TRUE(page->GroupList()->isVisible());
  EXPECT_FALSE(page->GroupCode()->isVisible());
  EXPECT_EQ(page->GroupList()->currentText(), "Off");
  page->IdCode()->setFocus();  // leaving without a choice
  EXPECT_TRUE(page->GroupCode()->isVisible());
  EXPECT_EQ(page->GroupCode()->text(), "Off");
  dlg.Tabs()->setCurrentIndex(0);
  EXPECT_EQ(image[kDtmfGroupCodeOffset], 0x00);

  dlg.Tabs()->setCurrentIndex(1);
  page->GroupCode()->setFocus();
  QTest::keyClick(page->GroupList(), Qt::Key_Down);  // "Off" -> "A", a choice
  dlg.Tabs()->setCurrentIndex(2);                    // stores with the list still open
  EXPECT_EQ(image[kDtmfGroupCodeOffset], 'A');
  dlg.Tabs()->setCurrentIndex(1);
  page->GroupCode()->setFocus();
  QTest::keyClick(page->GroupList(), Qt::Key_Up);
  dlg.Tabs()->setCurrentIndex(0);
  EXPECT_EQ(image[kDtmfGroupCodeOffset], 0xFF);
}

TEST_F(DtmfDlgTest, CodeFieldsTakeDtmfCharactersOnly) {
  OpenDialog();
  dlg.Tabs()->setCurrentIndex(1);
  CDtmfDecodePage* page = dlg.DecodePage();
  for (QLineEdit* edit : {page->StunCode(), page->IdCode()}) {
    edit->setFocus();
    QTest::keyClicks(edit, "1a b*#ef9.");
    QTest::keyClick(edit, Qt::Key_NumberSign, Qt::ShiftModifier);  // Shift+3
    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);        // swallowed
    EXPECT_EQ(edit->text(), "1AB*#9#");
    QTest::keyClicks(edit, "0123");
    EXPECT_EQ(edit->text().size(), 10);
    // Pasted text is held to the same set.
    edit->clear();
    edit->insert("x12-cd\u4E2D*");
    emit edit->textEdited(edit->text());
    EXPECT_EQ(edit->text(), "12CD*");
  }
  dlg.Tabs()->setCurrentIndex(0);
  EXPECT_EQ(image[kDtmfIdCodeOffset + 4], '*');
  EXPECT_EQ(image[kDtmfIdCodeOffset + 5], 0xFF);
  EXPECT_EQ(image[kDtmfStunCodeOffset], '1');
}

TEST_F(DtmfDlgTest, StunActivationEnablesItsFieldsAndStunTypeRoundTrips) {
  OpenDialog();
  dlg.Tabs()->setCurrentIndex(1);
  CDtmfDecodePage* page = dlg.DecodePage();
  EXPECT_TRUE(page->StunCode()->isEnabled());
  EXPECT_EQ(page->StunType()->text(), "Tx inhibit");
  page->StunActivation()->click();
  EXPECT_FALSE(page->StunCode()->isEnabled());
  EXPECT_FALSE(page->StunType()->isEnabled());
  page->StunType()->setText("Transceiver inhibit");
  dlg.Tabs()->setCurrentIndex(0);
  EXPECT_EQ(image[kDtmfOptionOffset] & 0x30, 0x00);
  dlg.Tabs()->setCurrentIndex(1);
  EXPECT_FALSE(page->StunCode()->isEnabled());
  EXPECT_EQ(page->StunType()->text(), "Transceiver inhibit");
}

TEST_F(DtmfDlgTest, EscOnTheDecodePageClosesAndStores) {
  OpenDialog();
  dlg.Tabs()->setCurrentIndex(1);
  QLineEdit* stun = dlg.DecodePage()->StunCode();
  stun->setFocus();
  QTest::keyClicks(stun, "123");
  QTest::keyClick(stun, Qt::Key_Escape);  // the code fields swallow it
  EXPECT_TRUE(dlg.isVisible());
  dlg.DecodePage()->StunActivation()->setFocus();
  QTest::keyClick(dlg.DecodePage()->StunActivation(), Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(image[kDtmfStunCodeOffset + 2], '3');
}

TEST_F(DtmfDlgTest, EscOnTheTabBarClosesAndStores) {
  OpenDialog();
  dlg.Tabs()->setCurrentIndex(2);
  dlg.CallListPage()->Grid()->setCurrentCell(4, 1);
  QTest::keyClicks(dlg.CallListPage()->Editor()->Edit(), "55");
  QTest::keyClick(dlg.Tabs()->tabBar(), Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(image[DtmfCallOffset(4) + 1], '5');
}

TEST_F(DtmfDlgTest, CallListEditsInPlaceAndKeepsBytesSixteenOn) {
  for (std::size_t n = 0; n < kDtmfCallCount; ++n) image[DtmfCallOffset(n) + 20] = 0x5A;
  image[DtmfCallOffset(2)] = '7';
  OpenDialog();
  dlg.Tabs()->setCurrentIndex(2);
  CDtmfCallListPage* page = dlg.CallListPage();
  QTableWidget* grid = page->Grid();
  EXPECT_EQ(grid->item(2, 1)->text(), "7");
  grid->setCurrentCell(0, 0);  // the number column cannot be entered
  EXPECT_EQ(grid->currentColumn(), 1);
  QLineEdit* edit = page->Editor()->Edit();
  ASSERT_TRUE(edit->isVisible());
  QTest::keyClicks(edit, "12ab#e*0123456789ABCD");
  EXPECT_EQ(edit->text(), "12AB#*0123456789");
  grid->setCurrentCell(2, 1);  // leaving the cell writes it
  EXPECT_EQ(grid->item(0, 1)->text(), "12AB#*0123456789");
  EXPECT_EQ(edit->text(), "7");
  edit->clear();
  dlg.done(0);  // closing commits the open edit and stores
  EXPECT_EQ(image[DtmfCallOffset(0) + 15], '9');
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(image[DtmfCallOffset(2) + i], 0xFF);
  for (std::size_t n = 0; n < kDtmfCallCount; ++n) EXPECT_EQ(image[DtmfCallOffset(n) + 20], 0x5A);
}

TEST_F(DtmfDlgTest, RunReportsChangedBytesToTheDocument) {
  CProgramDoc doc;
  doc.Image() = image;
  QTimer::singleShot(0, &dlg, [this] { dlg.close(); });
  dlg.Run(doc);
  EXPECT_FALSE(doc.IsModified());  // nothing normalised in a new image
  doc.Image()[kDtmfFirstDelayOffset] = 0x35;
  QTimer::singleShot(0, &dlg, [this] { dlg.close(); });
  dlg.Run(doc);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.Image()[kDtmfFirstDelayOffset], 20);
}

}  // namespace
}  // namespace radio
