#include "features/optional_features_dlg.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <random>

#include "features/dialog_test_support.h"

namespace radio {
namespace {

using testing::HelpFiles;
using testing::LanguageScope;
using testing::RunAsUser;

constexpr int kListIds[] = {1115, 1116, 1121, 1118, 1119, 1120, 1117, 1128, 1127, 1130,
                            1122, 1123, 1124, 1125, 1126, 1129, 1131, 1136, 1137, 1132};

// A random image as the dialog would leave it: every code in range.
RadioImage NormalisedRandomImage(unsigned seed) {
  std::mt19937 rng(seed);
  RadioImage image;
  for (auto& b : image) b = static_cast<std::uint8_t>(rng());
  StoreOptionalFeatures(LoadOptionalFeatures(image), image);
  return image;
}

using testing::Button;

// The same keystrokes in either language: a user stepping through lists.
void ChangeSomeLists(COptionalFeaturesDlg& dialog) {
  QTest::keyClick(dialog.List(1115), Qt::Key_Down);  // back light one further
  QTest::keyClick(dialog.List(1119), Qt::Key_End);   // priority channel 128
  QTest::keyClick(dialog.List(1131), Qt::Key_Home);  // orange key: 1750 Hz
  QTest::keyClick(dialog.List(1122), Qt::Key_Down);  // scan mode
  QTest::keyClick(dialog.List(1125), Qt::Key_End);   // TOT 270
  QTest::keyClick(dialog.List(1137), Qt::Key_Up);    // allow reset: Enable
  QTest::keyClick(dialog.List(1117), Qt::Key_End);   // display mode FREQ
}

TEST(OptionalFeaturesDlg, OkWithoutChangeKeepsEveryByteAndTheFlag) {
  COptionalFeaturesDlg dialog;
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
    CProgramDoc doc;
    doc.Image() = NormalisedRandomImage(seed);
    const RadioImage before = doc.Image();
    RunAsUser(dialog, doc, [&] { QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton); });
    ASSERT_EQ(doc.Image(), before) << "seed " << seed;
    EXPECT_FALSE(doc.IsModified());
  }
}

TEST(OptionalFeaturesDlg, CutOffRowIsHiddenButCarriedThroughOk) {
  COptionalFeaturesDlg dialog;
  CProgramDoc doc;
  doc.Image() = NormalisedRandomImage(11);
  doc.Image()[0x12AB] = 0xE2;  // MSK-II, repeater invert set
  doc.Image()[0x12A8] = 0x7F;  // keypad lock ticked
  RunAsUser(dialog, doc, [&] {
    EXPECT_FALSE(dialog.List(1132)->isVisible());
    EXPECT_FALSE(dialog.KeypadLockBox()->isVisible());
    EXPECT_FALSE(dialog.RepeaterMskInvertBox()->isVisible());
    EXPECT_TRUE(dialog.List(1137)->isVisible());
    EXPECT_EQ(dialog.List(1132)->currentText(), "MSK-II");
    EXPECT_TRUE(dialog.KeypadLockBox()->isChecked());
    EXPECT_TRUE(dialog.RepeaterMskInvertBox()->isChecked());
    ChangeSomeLists(dialog);
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  EXPECT_EQ(doc.Image()[0x12AB] & 0x03, 0x02) << "MSK type and invert kept";
  EXPECT_EQ(doc.Image()[0x12AB] & 0x10, 0x10) << "allow reset now Enable";
  EXPECT_EQ(doc.Image()[0x12A8] & 0x80, 0x00) << "keypad lock kept";
  EXPECT_TRUE(doc.IsModified());
}

TEST(OptionalFeaturesDlg, ChineseListsStoreTheSameCodes) {
  RadioImage english;
  {
    CProgramDoc doc;
    doc.Image() = NormalisedRandomImage(21);
    COptionalFeaturesDlg dialog;
    RunAsUser(dialog, doc, [&] {
      ChangeSomeLists(dialog);
      QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
    });
    english = doc.Image();
  }
  LanguageScope chinese(Language::Chinese);
  CProgramDoc doc;
  doc.Image() = NormalisedRandomImage(21);
  COptionalFeaturesDlg dialog;
  RunAsUser(dialog, doc, [&] {
    EXPECT_EQ(dialog.List(1115)->itemText(1), "自动");
    EXPECT_EQ(dialog.List(1131)->itemText(0), "发射1750信号");
    EXPECT_EQ(dialog.List(1119)->itemText(0), "无");
    EXPECT_EQ(dialog.List(1125)->count(), 10);
    ChangeSomeLists(dialog);
    EXPECT_EQ(dialog.List(1125)->currentText(), "270");
    EXPECT_EQ(dialog.List(1117)->currentText(), "频率");
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  EXPECT_EQ(doc.Image(), english);
  EXPECT_EQ(doc.Image()[0x12A9], 128);
  EXPECT_EQ(doc.Image()[0x1260], 9);
  EXPECT_EQ(doc.Image()[0x1265] & 0x03, 1);
}

TEST(OptionalFeaturesDlg, PasswordTakesDigitsOnlyTypedOrPasted) {
  COptionalFeaturesDlg dialog;
  CProgramDoc doc;
  doc.Image() = NormalisedRandomImage(31);
  RunAsUser(dialog, doc, [&] {
    QLineEdit* password = dialog.PasswordEdit();
    QTest::mouseClick(password, Qt::LeftButton);
    password->selectAll();
    QTest::keyClick(password, Qt::Key_Delete);
    QTest::keyClicks(password, "12a3b4567");
    EXPECT_EQ(password->text(), "123456") << "letters refused, seventh digit dropped";

    password->clear();
    QGuiApplication::clipboard()->setText("98x7");
    QTest::keyClick(password, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(password->text(), "") << "a paste with a letter is refused";
    QGuiApplication::clipboard()->setText("9876543");
    QTest::keyClick(password, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(password->text(), "987654");
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  EXPECT_EQ(ReadPowerOnPassword(doc.Image()), "987654");
}

TEST(OptionalFeaturesDlg, CancelAfterChangingEveryControlLeavesTheImage) {
  COptionalFeaturesDlg dialog;
  CProgramDoc doc;
  doc.Image() = NormalisedRandomImage(41);
  const RadioImage before = doc.Image();
  RunAsUser(dialog, doc, [&] {
    for (int id : kListIds)
      dialog.List(id)->setCurrentIndex((dialog.List(id)->currentIndex() + 1) %
                                       dialog.List(id)->count());
    dialog.KeypadLockBox()->toggle();
    dialog.RepeaterMskInvertBox()->toggle();
    QTest::keyClicks(dialog.PasswordEdit(), "5");
    QTest::mouseClick(Button(dialog, "Cancel"), Qt::LeftButton);
  });
  EXPECT_EQ(doc.Image(), before);
  EXPECT_FALSE(doc.IsModified());
}

TEST(OptionalFeaturesDlg, OutOfRangeCodesOpenOnTheirFallBacks) {
  COptionalFeaturesDlg dialog;
  CProgramDoc doc;
  doc.Image().fill(0xFF);
  RunAsUser(dialog, doc, [&] {
    EXPECT_EQ(dialog.List(1125)->currentText(), "Off");
    EXPECT_EQ(dialog.List(1119)->currentText(), "None");
    EXPECT_EQ(dialog.List(1131)->currentText(), "Emergency Call");
    EXPECT_EQ(dialog.List(1122)->currentText(), "TO");
    EXPECT_EQ(dialog.List(1121)->currentText(), "Off");
    EXPECT_EQ(dialog.List(1115)->currentText(), "Off");
    EXPECT_EQ(dialog.List(1116)->currentText(), "Light 1");
    EXPECT_EQ(dialog.PasswordEdit()->text(), "");
    QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  });
  EXPECT_EQ(doc.Image()[0x1260], 0);
  EXPECT_EQ(doc.Image()[0x1265] & 0x63, 0x02);
  EXPECT_TRUE(doc.IsModified());
}

TEST(OptionalFeaturesDlg, F1AsksForTheFocusedListsHelp) {
  HelpFiles help;
  LanguageScope chinese(Language::Chinese);
  COptionalFeaturesDlg dialog;
  CProgramDoc doc;
  doc.Image() = NormalisedRandomImage(51);
  RunAsUser(dialog, doc, [&] {
    dialog.List(1124)->setFocus();
    QTest::keyClick(dialog.List(1124), Qt::Key_F1);
    EXPECT_EQ(HelpFiles::Shown(), "chHelp.html#ctx-1124");
    dialog.PasswordEdit()->setFocus();
    QTest::keyClick(dialog.PasswordEdit(), Qt::Key_F1);
    EXPECT_EQ(HelpFiles::Shown(), "chHelp.html#ctx-1133");
    dialog.reject();
  });
}

}  // namespace
}  // namespace radio
