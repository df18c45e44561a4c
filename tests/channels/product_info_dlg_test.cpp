#include "channels/product_info_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

#include "base/settings_store.h"
#include "channel_view_fixture.h"

namespace radio {
namespace {

class ProductInfoTest : public ChannelViewTest {
 protected:
  void SetUp() override {
    ChannelViewTest::SetUp();
    ASSERT_TRUE(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    App().appName = "ProductInfoTest";
    App().appTitle = "Radio Programmer";
    // Type5 comes after the first empty value and is not listed.
    const QString ini = settingsDir.filePath("Program.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[Setup]\r\nType1=RP-100\r\nType2=RP-100U\r\nType3=RP-200\r\nType4=\r\n"
        "Type5=RP-900\r\n");
    file.close();
    ASSERT_TRUE(App().ini.LoadPath(ini.toStdString(), false, true, false));
    App().band.RefreshFromImage(doc.Image());
    dlg = std::make_unique<CProductInfoDlg>();
  }
  void TearDown() override {
    dlg.reset();
    ChannelViewTest::TearDown();
  }

  // Runs the dialog; `act` runs inside its modal loop.
  int RunWith(std::function<void()> act) {
    // Shared: a dialog that never ran its loop leaves the timer pending.
    auto acted = std::make_shared<bool>(false);
    QTimer::singleShot(0, dlg.get(), [this, act, acted] {
      *acted = true;
      act();
      if (dlg->isVisible()) dlg->reject();
    });
    const int result = dlg->Run(doc);
    EXPECT_TRUE(*acted) << "the dialog returned without running its modal loop";
    return result;
  }
  void ClickOk() {
    QTest::mouseClick(dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  }
  QStringList Bands() const {
    QStringList out;
    for (int i = 0; i < 4; ++i) out << dlg->BandEdit(i)->text();
    return out;
  }
  BandLimitBytes ImageBlock() const { return ReadBandLimitBlock(doc.Image()); }

  QTemporaryDir settingsDir;
  std::unique_ptr<CProductInfoDlg> dlg;
};

TEST_F(ProductInfoTest, OpensWithTheModelsAndTheCurrentLimits) {
  RunWith([&] {
    EXPECT_EQ(dlg->ModelList()->count(), 3);
    EXPECT_EQ(dlg->ModelList()->itemText(2), "RP-200");
    EXPECT_EQ(dlg->ModelList()->currentIndex(), 0);
    EXPECT_EQ(Bands(), QStringList({"134", "176", "400", "480"}));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(dlg->BandEdit(i)->isEnabled());
    EXPECT_EQ(dlg->windowTitle(), "Product Information");
  });
}

TEST_F(ProductInfoTest, StoredTypePreselectsTheModelWithoutItsBands) {
  SettingsStore(App().appName).WriteType(1);
  RunWith([&] {
    EXPECT_EQ(dlg->ModelList()->currentIndex(), 1);
    EXPECT_EQ(Bands(), QStringList({"134", "176", "400", "480"}));
  });
  SettingsStore(App().appName).WriteType(7);  // beyond the list: the first model
  RunWith([&] { EXPECT_EQ(dlg->ModelList()->currentIndex(), 0); });
}

TEST_F(ProductInfoTest, SecondModelConfirmsBothBandsAt330To400) {
  MakeView();
  doc.SetModifiedFlag(false);
  const int result = RunWith([&] {
    QTest::keyClick(dlg->ModelList(), Qt::Key_Down);
    EXPECT_EQ(Bands(), QStringList({"330", "400", "330", "400"}));
    ClickOk();
  });
  EXPECT_EQ(result, QDialog::Accepted);
  const BandLimitBytes expected = {0x33, 0x40, 0x00, 0x33, 0x40, 0x00};
  EXPECT_EQ(ImageBlock(), expected);
  EXPECT_EQ(App().band.bytes, expected);
  EXPECT_EQ(App().band.limits, (BandLimits{33000000, 40000000, 33000000, 40000000}));
  EXPECT_EQ(doc.Image()[0x17D1], 1);
  EXPECT_TRUE(doc.IsModified());

  // The grid now checks against the new bands.
  TypeInto(1, 1, "145.0", 2, 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Out of range, please input again.");
  EXPECT_EQ(view->CellText(1, 1), "");
  messages.clear();
  FrequencyEdit()->setText("350.0");
  ClickCell(2, 1);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(view->CellText(1, 1), "350.00000");
}

TEST_F(ProductInfoTest, OtherModelsAndCancelChangeNothing) {
  doc.Image()[0x17D1] = 0;
  const RadioImage before = doc.Image();
  RunWith([&] {
    QTest::keyClick(dlg->ModelList(), Qt::Key_Down);
    QTest::keyClick(dlg->ModelList(), Qt::Key_Down);  // third model: edits stay as they were
    EXPECT_EQ(dlg->ModelList()->currentIndex(), 2);
    EXPECT_EQ(Bands(), QStringList({"330", "400", "330", "400"}));
    dlg->reject();
  });
  EXPECT_TRUE(doc.Image() == before);
  EXPECT_EQ(App().band.limits, DecodeBandLimits(kTestBands));
  EXPECT_FALSE(doc.IsModified());

  // Confirming the limits the image already holds changes only the type byte.
  RunWith([&] { ClickOk(); });
  EXPECT_EQ(ImageBlock(), kTestBands);
  EXPECT_EQ(doc.Image()[0x17D1], 1);
  EXPECT_TRUE(doc.IsModified());
  doc.SetModifiedFlag(false);
  RunWith([&] { ClickOk(); });
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ProductInfoTest, InvertedBandIsRefusedAndTheDialogStaysOpen) {
  for (const Language lang : {Language::English, Language::Chinese}) {
    App().language = lang;
    App().band.limits = BandLimits{17600000, 13400000, 40000000, 48000000};
    messages.clear();
    const RadioImage before = doc.Image();
    const int result = RunWith([&] {
      ClickOk();
      EXPECT_TRUE(dlg->isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              lang == Language::English ? "Frequency input error" : "起始频率应小于结束频率");
    EXPECT_EQ(messages[0].caption, "Radio Programmer");
    EXPECT_TRUE(doc.Image() == before);
  }
  // Equal limits are a valid (single-frequency) band.
  App().band.limits = BandLimits{14000000, 14000000, 40000000, 40000000};
  messages.clear();
  EXPECT_EQ(RunWith([&] { ClickOk(); }), QDialog::Accepted);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ProductInfoTest, ConfirmedBandsSurviveTheStoreIntoTheNextRun) {
  RunWith([&] {
    QTest::keyClick(dlg->ModelList(), Qt::Key_Down);
    ClickOk();
  });
  // Exit stores the process-wide bytes as "Field"; the next start-up reads them.
  SettingsStore(App().appName).WriteField(App().band.bytes);
  ASSERT_TRUE(SettingsStore(App().appName).Sync());
  auto field = SettingsStore(App().appName).ReadField();
  ASSERT_TRUE(field.has_value());
  const RadioImage next = MakeNewImage(*field);
  EXPECT_EQ(DecodeBandLimits(ReadBandLimitBlock(next)),
            (BandLimits{33000000, 40000000, 33000000, 40000000}));
  EXPECT_EQ(SettingsStore(App().appName).ReadType(), std::nullopt);  // Type is only read
}

TEST_F(ProductInfoTest, HelpKeyOpensTheFocusedControlsContext) {
  QFile help(settingsDir.filePath("enHelp.html"));
  ASSERT_TRUE(help.open(QIODevice::WriteOnly));
  help.write("<html><body>help</body></html>");
  help.close();
  App().programDir = settingsDir.path() + "/";
  App().helpFileName = "enHelp.html";
  RunWith([&] {
    dlg->ModelList()->setFocus();
    QTest::keyClick(dlg->ModelList(), Qt::Key_F1);
  });
  QTextBrowser* browser = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* b = qobject_cast<QTextBrowser*>(w)) browser = b;
  ASSERT_NE(browser, nullptr);
  EXPECT_EQ(browser->source().fragment(), "ctx-1013");
  browser->close();
  App().programDir.clear();
}

}  // namespace
}  // namespace radio
