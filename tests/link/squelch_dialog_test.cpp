// Widget tests of the Squelch Tuning dialog against the in-process virtual
// radio, handed to the dialog in place of the serial port.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "base/app_context.h"
#include "image/program_doc.h"
#include "link/squelch_tuning_dlg.h"
#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"
#include "support/message_box_answerer.h"
#include "support/test_links.h"

namespace radio {
namespace {

constexpr std::size_t kSquelchImage = 0x17EE;
constexpr std::size_t kSquelchRadio = 0x0FF6;

using test::MessageBoxAnswerer;

class SquelchDialogTest : public ::testing::Test {
 protected:
  SquelchDialogTest() {
    BandLimitBytes band = kDefaultBandLimitBytes;
    doc.Image() = MakeNewImage(band);
    const std::uint8_t values[] = {0x10, 0x20, 0x30, 0x77};
    std::copy(std::begin(values), std::end(values), radio.Memory().begin() + kSquelchRadio);
    App().language = Language::English;
  }
  ~SquelchDialogTest() override { App().language = Language::English; }

  // Runs the dialog modally; `script` acts on it once it is shown.
  int RunDialog(const std::function<void(CSquelchTuningDlg&)>& script) {
    // Shared: a dialog that never ran its loop leaves the timer pending.
    auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, &dlg, [this, script, ran] {
      *ran = true;
      script(dlg);
    });
    const int result = dlg.Run(doc);
    EXPECT_TRUE(*ran) << "the dialog returned without running its modal loop";
    return result;
  }
  std::vector<QString> Shown() const {
    std::vector<QString> texts;
    for (std::size_t i = 0; i < 4; ++i) texts.push_back(dlg.List(i)->currentText());
    return texts;
  }
  std::vector<std::uint8_t> ImageSquelch() const {
    return {doc.Image().begin() + kSquelchImage, doc.Image().begin() + kSquelchImage + 4};
  }
  std::vector<std::uint8_t> RadioSquelch() const {
    return {radio.Memory().begin() + kSquelchRadio, radio.Memory().begin() + kSquelchRadio + 4};
  }

  VirtualRadio radio;
  std::shared_ptr<SimulatedLink> link = std::make_shared<SimulatedLink>(radio);
  CProgramDoc doc;
  QWidget owner;
  CSquelchTuningDlg dlg{&owner, test::LinkTo(*link)};
  MessageBoxAnswerer answerer;
};

TEST_F(SquelchDialogTest, LayoutListsAndButtons) {
  EXPECT_EQ(dlg.windowTitle(), "Squelch Tuning");
  const char* labels[] = {"V Wide Squelch Tuning", "V Narrow Squelch Tuning",
                          "U Wide Squelch Tuning", "U Narrow Squelch Tuning"};
  dlg.show();
  int lastY = -1;
  for (std::size_t i = 0; i < 4; ++i) {
    QComboBox* list = dlg.List(i);
    EXPECT_EQ(list->property("controlId").toInt(), 1136 + static_cast<int>(i));
    EXPECT_FALSE(list->isEditable());
    ASSERT_EQ(list->count(), 110);
    EXPECT_EQ(list->itemText(0), "-55");
    EXPECT_EQ(list->itemText(109), "54");
    EXPECT_GT(list->y(), lastY);  // top to bottom in field order
    lastY = list->y();
    bool labelled = false;
    for (QLabel* l : dlg.findChildren<QLabel*>())
      labelled |= l->text() == labels[i] && l->buddy() == list && l->x() < list->x();
    EXPECT_TRUE(labelled) << labels[i];
  }
  // One row at the bottom: Write, Read, OK, Cancel.
  const QPushButton* row[] = {dlg.WriteButton(), dlg.ReadButton(), dlg.OkButton(),
                              dlg.CancelButton()};
  const char* texts[] = {"Write", "Read", "OK", "Cancel"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(row[i]->text(), texts[i]);
    EXPECT_EQ(row[i]->y(), row[0]->y());
    EXPECT_GT(row[i]->y(), lastY);
    if (i > 0) {
      EXPECT_GT(row[i]->x(), row[i - 1]->x());
    }
  }
  EXPECT_TRUE(dlg.OkButton()->isDefault());
  EXPECT_EQ(dlg.ReadButton()->property("controlId").toInt(), 1140);
  EXPECT_EQ(dlg.WriteButton()->property("controlId").toInt(), 1141);
}

TEST_F(SquelchDialogTest, OkStoresTheListsAndKeepsAValueWithoutItem) {
  doc.Image()[kSquelchImage + 1] = 0x77;  // 55: no item
  doc.Image()[kSquelchImage + 3] = 0x78;  // invalid: shows the default
  const int result = RunDialog([](CSquelchTuningDlg& d) {
    EXPECT_EQ(d.List(1)->currentIndex(), -1);
    EXPECT_EQ(d.List(3)->currentText(), "-34");
    d.List(0)->setCurrentIndex(d.List(0)->findText("54"));
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(ImageSquelch(), (std::vector<std::uint8_t>{0x76, 0x77, 0x22, 0x1E}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(radio.Frames().empty());  // OK talks to no radio
}

TEST_F(SquelchDialogTest, OkWithoutChangeLeavesTheDocumentUnmodifiedAndCancelStoresNothing) {
  RunDialog([](CSquelchTuningDlg& d) { QTest::mouseClick(d.OkButton(), Qt::LeftButton); });
  EXPECT_FALSE(doc.IsModified());
  const RadioImage before = doc.Image();
  RunDialog([](CSquelchTuningDlg& d) {
    d.List(2)->setCurrentIndex(0);
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(doc.Image(), before);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(SquelchDialogTest, ReadFillsTheListsAndCancelDoesNotUndoIt) {
  std::vector<QString> shown;
  bool disabledDuringMessage = false;
  answerer.onShown = [&](QMessageBox*) {
    disabledDuringMessage = !dlg.ReadButton()->isEnabled() && !dlg.List(0)->isEnabled() &&
                            dlg.Busy() && dlg.isVisible();
    QTest::keyClick(&dlg, Qt::Key_Escape);  // ignored while busy
  };
  const int result = RunDialog([&](CSquelchTuningDlg& d) {
    QTest::mouseClick(d.ReadButton(), Qt::LeftButton);
    shown = Shown();
    EXPECT_TRUE(d.isVisible());
    QTest::mouseClick(d.CancelButton(), Qt::LeftButton);
  });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(answerer.texts, std::vector<QString>{"Read Successfully"});
  EXPECT_TRUE(disabledDuringMessage);
  EXPECT_EQ(shown, (std::vector<QString>{"-48", "-32", "-16", ""}));
  EXPECT_EQ(ImageSquelch(), (std::vector<std::uint8_t>{0x10, 0x20, 0x30, 0x77}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(link->IsOpen());
  EXPECT_TRUE(dlg.ReadButton()->isEnabled());
}

TEST_F(SquelchDialogTest, WriteSendsTheListsAndStoresThemInTheImage) {
  App().language = Language::Chinese;
  RunDialog([](CSquelchTuningDlg& d) {
    d.List(0)->setCurrentIndex(d.List(0)->findText("-55"));
    d.List(3)->setCurrentIndex(d.List(3)->findText("0"));
    QTest::mouseClick(d.WriteButton(), Qt::LeftButton);
    QTest::mouseClick(d.CancelButton(), Qt::LeftButton);
  });
  EXPECT_EQ(answerer.texts, std::vector<QString>{QString::fromUtf8("写数据成功")});
  EXPECT_EQ(RadioSquelch(), (std::vector<std::uint8_t>{0x09, 0x27, 0x22, 0x40}));
  EXPECT_EQ(ImageSquelch(), RadioSquelch());
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(SquelchDialogTest, SilentRadioAndMissingAnswerChangeNothing) {
  radio.Faults().silentAfterChunks = 0;  // identifies, then never answers the frame
  const RadioImage before = doc.Image();
  std::vector<QString> shown;
  RunDialog([&](CSquelchTuningDlg& d) {
    QTest::mouseClick(d.ReadButton(), Qt::LeftButton);
    shown = Shown();
    radio.Faults() = {};
    radio.Faults().noAnswer = true;
    QTest::mouseClick(d.ReadButton(), Qt::LeftButton);  // 15 attempts, then the question
    QTest::mouseClick(d.CancelButton(), Qt::LeftButton);
  });
  ASSERT_EQ(answerer.texts.size(), 2u);
  EXPECT_EQ(answerer.texts[0], "Program Interrupt, Please reset the radio and try again");
  EXPECT_EQ(answerer.texts[1],
            "Communication Error, Please check all the connections and the radio power");
  EXPECT_EQ(shown, (std::vector<QString>{"-23", "-25", "-30", "-34"}));
  EXPECT_EQ(doc.Image(), before);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(link->IsOpen());
}

TEST_F(SquelchDialogTest, BusyPortIsReported) {
  link->Options().openFails = true;
  RunDialog([](CSquelchTuningDlg& d) {
    QTest::mouseClick(d.WriteButton(), Qt::LeftButton);
    QTest::mouseClick(d.CancelButton(), Qt::LeftButton);
  });
  EXPECT_EQ(answerer.texts,
            std::vector<QString>{"Could not Open the Port, Please check whether the Port are "
                                 "occupied or the device are ok"});
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace radio
