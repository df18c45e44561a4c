// The 2-Tone dialog driven as a user would: only the pages that were shown
// are stored, the grid edits in place, keys and step rules by typing.
#include "features/two_tone_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "features/two_tone_fields.h"
#include "features/two_tone_pages.h"
#include "widgets/grid_cell_editor.h"
#include "widgets/step_field.h"

namespace radio {
namespace {

class TwoToneDlgTest : public testing::Test {
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
  bool AllFF(std::size_t offset, std::size_t count) const {
    return std::all_of(image.begin() + static_cast<std::ptrdiff_t>(offset),
                       image.begin() + static_cast<std::ptrdiff_t>(offset + count),
                       [](std::uint8_t b) { return b == 0xFF; });
  }
  QLineEdit* DecodeEdit(int slot, int field) const {
    return dlg.DecodeSheet()->Page(slot)->Field(field)->Edit();
  }
  void Step(CStepField* field, int step) {
    QTest::mouseClick(step > 0 ? field->UpDown()->Up() : field->UpDown()->Down(), Qt::LeftButton);
  }

  RadioImage image{};
  CTwoToneDlg dlg{nullptr};
};

TEST_F(TwoToneDlgTest, OnlyShownPagesAreStored) {
  OpenDialog();
  dlg.close();
  EXPECT_FALSE(AllFF(0x17A0, 7));  // encode timing, radio copy
  EXPECT_EQ(image[0x1680], 0x00);  // 2000.0 Hz: 111957 / 2000 = 55.98 -> 56
  EXPECT_EQ(image[0x1681], 56);
  EXPECT_EQ(image[0x1740], 0x01);  // slot 1: 895658 / 2000 = 447.8 -> 448
  EXPECT_EQ(image[0x1741], 0xC0);
  for (int slot = 1; slot < kTwoToneDecodeSlots; ++slot)
    EXPECT_TRUE(AllFF(DecodeSlotRadioOffset(slot), 8)) << slot;

  OpenDialog();
  dlg.Tabs()->setCurrentIndex(1);
  dlg.DecodeSheet()->Tabs()->setCurrentIndex(2);
  EXPECT_TRUE(AllFF(DecodeSlotRadioOffset(2), 8));  // loaded, not yet stored
  dlg.DecodeSheet()->Tabs()->setCurrentIndex(5);
  EXPECT_FALSE(AllFF(DecodeSlotRadioOffset(2), 8));
  QTest::keyClick(dlg.Tabs()->tabBar(), Qt::Key_Escape);  // Esc stores the visible page
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_FALSE(AllFF(DecodeSlotRadioOffset(5), 8));
  for (int slot : {1, 3, 4, 6, 7}) EXPECT_TRUE(AllFF(DecodeSlotRadioOffset(slot), 8)) << slot;
}

TEST_F(TwoToneDlgTest, DecodeFieldsStepWrapAndClamp) {
  OpenDialog();
  CTwoToneDecodePage* page = dlg.DecodeSheet()->Page(0);
  QLineEdit* a = DecodeEdit(0, 0);
  EXPECT_EQ(a->text(), "2000.0");
  a->setText("3106.0");
  Step(page->Field(0), +1);
  EXPECT_EQ(a->text(), "288.5");
  Step(page->Field(0), -1);
  EXPECT_EQ(a->text(), "3106.0");
  a->setFocus();
  a->clear();
  QTest::keyClicks(a, "5000");
  DecodeEdit(0, 1)->setFocus();
  EXPECT_EQ(a->text(), "3106.0");
  QLineEdit* interval = DecodeEdit(0, 4);
  interval->setText("0.0");
  Step(page->Field(4), -1);
  EXPECT_EQ(interval->text(), "2.0");
  QLineEdit* first = DecodeEdit(0, 2);
  first->setText("2.3");
  dlg.close();
  const std::uint8_t display[] = {0x79, 0x54, 0x27, 0x10, 23, 5, 20, 5};
  const std::uint8_t radio[] = {0x01, 0x20, 0x03, 0x80, 46, 10, 40, 10};
  EXPECT_TRUE(std::equal(std::begin(display), std::end(display), image.begin() + 0x15C0));
  EXPECT_TRUE(std::equal(std::begin(radio), std::end(radio), image.begin() + 0x1740));
}

TEST_F(TwoToneDlgTest, KeysAreDigitsAndOnePointAndEscIsSwallowed) {
  OpenDialog();
  QLineEdit* a = DecodeEdit(0, 0);
  a->setFocus();
  a->clear();
  QTest::keyClicks(a, "1a2-3,4.5x67");
  EXPECT_EQ(a->text(), "1234.5");  // at most 6 characters
  QTest::keyClick(a, Qt::Key_Left);
  QTest::keyClick(a, Qt::Key_Backspace);
  EXPECT_EQ(a->text(), "12345");
  QTest::keyClick(a, Qt::Key_Period, Qt::KeypadModifier);
  EXPECT_EQ(a->text(), "1234.5");
  QTest::keyClick(a, Qt::Key_1, Qt::ShiftModifier);
  EXPECT_EQ(a->text(), "1234.5");
  QTest::keyClick(a, Qt::Key_Escape);
  QTest::keyClick(a, Qt::Key_Return);
  EXPECT_TRUE(dlg.isVisible());
  QLineEdit* delay = dlg.EncodePage()->Field(0)->Edit();
  delay->setFocus();
  QTest::keyClick(delay, Qt::Key_Tab);
  EXPECT_TRUE(delay->hasFocus());
}

TEST_F(TwoToneDlgTest, TxRiseStepsOnTheFiveHundredthsGrid) {
  OpenDialog();
  CStepField* txRise = dlg.EncodePage()->Field(4);
  QLineEdit* edit = txRise->Edit();
  EXPECT_EQ(edit->text(), "0.10");
  const struct {
    const char* from;
    int step;
    const char* to;
  } cases[] = {{"0.37", +1, "0.40"}, {"0.37", -1, "0.35"}, {"1.00", +1, "0.10"},
               {"0.15", -1, "0.10"}, {"0.10", -1, "1.00"}, {"0.35", +1, "0.40"}};
  for (const auto& c : cases) {
    edit->setText(c.from);
    Step(txRise, c.step);
    EXPECT_EQ(edit->text(), c.to) << c.from << " " << c.step;
  }
  edit->setText("0.37");  // never left: snapped at the store
  dlg.Tabs()->setCurrentIndex(1);
  EXPECT_EQ(image[0x1626], 7);
  EXPECT_EQ(image[0x17A6], 7);
}

TEST_F(TwoToneDlgTest, GridEditsInPlaceClampsAndScrollDiscards) {
  for (std::size_t block = 224; block < 252; ++block) image[BlockOffset(block, 20)] = 0xA5;
  image[0x1504] = 0xFF;  // code 2, tone 1: empty
  image[0x1505] = 0xFF;
  OpenDialog();
  QTableWidget* grid = dlg.EncodePage()->Grid();
  QLineEdit* edit = dlg.EncodePage()->Editor()->Edit();
  EXPECT_EQ(grid->item(1, 1)->text(), "");
  EXPECT_EQ(grid->item(0, 2)->text(), "1000.0");
  grid->setCurrentCell(0, 1);
  ASSERT_TRUE(edit->isVisible());
  edit->selectAll();
  QTest::keyClicks(edit, "5000");
  grid->setCurrentCell(0, 2);
  EXPECT_EQ(grid->item(0, 1)->text(), "3106.0");
  edit->clear();
  grid->setCurrentCell(2, 1);
  EXPECT_EQ(grid->item(0, 2)->text(), "");
  edit->setText("100");
  grid->setCurrentCell(2, 2);
  EXPECT_EQ(grid->item(2, 1)->text(), "288.5");
  edit->setText("999");
  grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
  EXPECT_FALSE(edit->isVisible());
  EXPECT_EQ(grid->item(2, 2)->text(), "1000.0");
  grid->setCurrentCell(3, 1);
  edit->setText("2175");  // still open when the page is hidden
  dlg.Tabs()->setCurrentIndex(1);
  EXPECT_EQ(image[0x1500], 0x79);
  EXPECT_EQ(image[0x1502], 0xFF);  // emptied: display FF FF, radio 00 00
  EXPECT_EQ(image[0x1503], 0xFF);
  EXPECT_EQ(image[0x1682], 0x00);
  EXPECT_EQ(image[0x1683], 0x00);
  EXPECT_EQ(image[0x1504], 0xFF);  // loaded empty, stays empty
  EXPECT_EQ(image[0x150C], 0x54);  // code 4 tone 1 = 2175.0 Hz
  EXPECT_EQ(image[0x150D], 0xF6);
  EXPECT_EQ(image[0x168C], 0x00);
  EXPECT_EQ(image[0x168D], 0x33);
  for (std::size_t block = 224; block < 252; ++block)
    EXPECT_EQ(image[BlockOffset(block, 20)], 0xA5);
}

TEST_F(TwoToneDlgTest, ShortBeepAndEncodeTiming) {
  OpenDialog();
  CTwoToneEncodePage* page = dlg.EncodePage();
  page->Field(0)->Edit()->setText("2.3");
  page->Field(3)->Edit()->setText("1.5");
  page->Field(1)->Edit()->setText("12");  // clamped to 10.0 at the store
  page->ShortBeep()->setChecked(true);
  dlg.close();
  const std::uint8_t display[] = {23, 100, 10, 0x00, 0x1E, 0x00, 0x02, 0x01};
  const std::uint8_t radio[] = {46, 200, 20, 0x00, 0x1E, 0x00, 0x02};
  EXPECT_TRUE(std::equal(std::begin(display), std::end(display), image.begin() + 0x1620));
  EXPECT_TRUE(std::equal(std::begin(radio), std::end(radio), image.begin() + 0x17A0));
}

TEST_F(TwoToneDlgTest, ZeroTonesOpenAndCloseWithoutHarm) {
  std::fill(image.begin() + 0x1500, image.begin() + 0x1628, 0x00);
  CProgramDoc doc;
  doc.Image() = image;
  QTimer::singleShot(0, &dlg, [this] { dlg.close(); });
  dlg.Run(doc);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.Image()[0x1500], 0x0B);  // 288.5 Hz
  EXPECT_EQ(doc.Image()[0x1501], 0x45);
  EXPECT_EQ(doc.Image()[0x1740], 0x0C);  // radio period of 288.5 Hz
  EXPECT_EQ(doc.Image()[0x1741], 0x21);
}

}  // namespace
}  // namespace radio
