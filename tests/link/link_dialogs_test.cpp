// Widget tests of the Port Setting and Process dialogs and of the Read and
// Write commands, with the virtual radio behind an in-process link.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <set>

#include "base/app_context.h"
#include "base/message_box.h"
#include "base/settings_store.h"
#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "image/program_doc.h"
#include "link/port_setting_dlg.h"
#include "link/port_settings.h"
#include "link/process_dlg.h"
#include "safety/user_data_folder.h"
#include "shell/radio_commands.h"
#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"
#include "support/app_context_scope.h"
#include "support/held_link.h"
#include "support/message_box_answerer.h"
#include "support/test_links.h"

namespace radio {
namespace {

using test::MessageBoxAnswerer;

// ---------------------------------------------------------------- Process

TEST(ProcessDlg, ShowsAfreshWithItsTitle) {
  QWidget owner;
  CProcessDlg dlg(&owner);
  dlg.SetTitleText("Read Data");
  dlg.ShowDialog();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_FALSE(dlg.isModal());
  EXPECT_EQ(dlg.windowTitle(), "Read Data");
  EXPECT_EQ(dlg.ProgressBar()->minimum(), 0);
  EXPECT_EQ(dlg.ProgressBar()->maximum(), 191);
  EXPECT_EQ(dlg.ProgressBar()->value(), 0);
  EXPECT_EQ(dlg.StatusLabel()->text(), "Not start yet");
  EXPECT_TRUE(dlg.StartButton()->isEnabled());
  EXPECT_TRUE(dlg.StartButton()->isDefault());
  EXPECT_NE(dlg.findChild<QLabel*>(), nullptr);
  bool labelFound = false;
  for (QLabel* l : dlg.findChildren<QLabel*>()) labelFound |= l->text() == "Progress：";
  EXPECT_TRUE(labelFound);
}

TEST(ProcessDlg, CancelBeforeStartClosesWithoutARequest) {
  QWidget owner;
  CProcessDlg dlg(&owner);
  QSignalSpy start(&dlg, &CProcessDlg::startRequested);
  dlg.ShowDialog();
  QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_TRUE(dlg.CancelFlag());
  QCoreApplication::processEvents();
  EXPECT_EQ(start.count(), 0);
  // Shown again, it starts afresh.
  dlg.ShowDialog();
  EXPECT_FALSE(dlg.CancelFlag());
  EXPECT_TRUE(dlg.StartButton()->isEnabled());
}

TEST(ProcessDlg, StartIsPostedOnceAndCancelDuringARunOnlyRaisesTheFlag) {
  QWidget owner;
  CProcessDlg dlg(&owner);
  QSignalSpy start(&dlg, &CProcessDlg::startRequested);
  QSignalSpy cancel(&dlg, &CProcessDlg::cancelRequested);
  dlg.ShowDialog();
  QTest::mouseClick(dlg.StartButton(), Qt::LeftButton);
  EXPECT_FALSE(dlg.StartButton()->isEnabled());
  EXPECT_EQ(start.count(), 0);  // posted: Start's handler returns first
  QTest::mouseClick(dlg.StartButton(), Qt::LeftButton);
  QTest::keyClick(&dlg, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(start.count(), 1);

  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(dlg.CancelFlag());
  EXPECT_EQ(cancel.count(), 1);
  dlg.close();  // the close box
  EXPECT_TRUE(dlg.isVisible());
  QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(cancel.count(), 3);
  dlg.CloseDialog();  // what the run does at its next pump point
  EXPECT_FALSE(dlg.isVisible());
}

TEST(ProcessDlg, CaptionFollowsTheTitleWhileShown) {
  QWidget owner;
  CProcessDlg dlg(&owner);
  dlg.SetTitleText("Read Data");
  dlg.ShowDialog();
  dlg.SetTitleText("Write Data");
  EXPECT_EQ(dlg.windowTitle(), "Write Data");
}

// ----------------------------------------------------------- Port Setting

class PortSettingDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    App().appName = "PortSettingDlgTest";
  }
  // A probe that opens the named ports only, noting what was probed.
  CPortSettingDlg::Probe ProbeOf(std::set<std::string> openable) {
    return [this, openable](const std::string& name) {
      probed_.push_back(name);
      return openable.count(name) != 0;
    };
  }
  QTemporaryDir dir_;
  test::AppContextScope savedApp_;  // name and current port go back
  std::vector<std::string> probed_;
};

TEST_F(PortSettingDlgTest, ButtonsFollowTheProbeAndShowTheirDevices) {
  App().currentPort = "\\\\.\\COM12";
  CPortSettingDlg dlg(nullptr, ProbeOf({"COM3", "COM10", "\\\\.\\COM12"}));
  EXPECT_EQ(dlg.windowTitle(), "Port Setting");
  for (int n = 1; n <= 16; ++n) {
    QRadioButton* b = dlg.PortButton(n);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), QString("COM%1").arg(n));
    EXPECT_EQ(b->objectName(), QString::number(1006 + n));
    EXPECT_EQ(b->isEnabled(), n == 3 || n == 10 || n == 12) << n;
    EXPECT_FALSE(b->toolTip().isEmpty());
  }
#ifdef _WIN32
  EXPECT_EQ(dlg.PortButton(1)->toolTip(), "COM1");
#else
  EXPECT_EQ(dlg.PortButton(1)->toolTip(), "/dev/ttyUSB0");
#endif
  // Port 10 is probed under its plain name, 11 on with the device prefix.
  EXPECT_EQ(probed_[9], "COM10");
  EXPECT_EQ(probed_[10], "\\\\.\\COM11");
  EXPECT_EQ(dlg.SelectedPort(), 12);
}

TEST_F(PortSettingDlgTest, BusyCurrentPortIsNotPreselected) {
  App().currentPort = "COM3";
  CPortSettingDlg dlg(nullptr, ProbeOf({"COM4"}));
  EXPECT_EQ(dlg.SelectedPort(), 0);
}

TEST_F(PortSettingDlgTest, OkStoresTheChoiceAndSetsTheCurrentPort) {
  App().currentPort = "COM1";
  {
    CPortSettingDlg dlg(nullptr, ProbeOf({"COM1", "\\\\.\\COM12"}));
    dlg.PortButton(12)->setChecked(true);
    dlg.accept();
  }
  EXPECT_EQ(App().currentPort, "\\\\.\\COM12");
  EXPECT_EQ(SettingsStore(App().appName).ReadCom(), 12u);
  {
    CPortSettingDlg dlg(nullptr, ProbeOf({"COM3"}));
    dlg.PortButton(3)->setChecked(true);
    dlg.reject();  // Cancel changes nothing
  }
  EXPECT_EQ(App().currentPort, "\\\\.\\COM12");
  {
    CPortSettingDlg dlg(nullptr, ProbeOf({"COM3"}));
    dlg.PortButton(3)->setChecked(true);
    dlg.accept();
  }
  EXPECT_EQ(App().currentPort, "COM3");
  EXPECT_EQ(SettingsStore(App().appName).ReadCom(), 3u);
}

TEST_F(PortSettingDlgTest, OkWithNothingSelectedChangesNothing) {
  App().currentPort = "COM5";
  CPortSettingDlg dlg(nullptr, ProbeOf({}));
  EXPECT_EQ(dlg.SelectedPort(), 0);
  dlg.accept();
  EXPECT_EQ(App().currentPort, "COM5");
  EXPECT_FALSE(SettingsStore(App().appName).ReadCom().has_value());
}

// On Linux and macOS each COMn stands for a device file the user may
// choose; Windows has the ports themselves.
#ifndef _WIN32
// The Port Setting dialog following a cable: COM5 stands for a link in the
// test's folder that comes and goes; the other ports are absent.
TEST_F(PortSettingDlgTest, PresentPortsFollowACablePluggedInAndPulledOut) {
  const QString cable = dir_.path() + "/cable";
  for (int n = 1; n <= 16; ++n) ASSERT_TRUE(SetPortDevice(n, dir_.path() + "/absent"));
  ASSERT_TRUE(SetPortDevice(5, cable));
  CPortSettingDlg dlg(
      nullptr, [&](const std::string& name) { return name == "COM5" && QFileInfo::exists(cable); });
  EXPECT_EQ(dlg.PresenceLabel()->text(), "No serial port is present now.");
  EXPECT_FALSE(dlg.PortButton(5)->isEnabled());

  ASSERT_TRUE(QFile::link("/dev/null", cable));  // plugged in
  EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.PortButton(5)->isEnabled(); }, 3000));
  EXPECT_EQ(dlg.PresenceLabel()->text(), "Present now: COM5");
  dlg.PortButton(5)->setChecked(true);

  ASSERT_TRUE(QFile::remove(cable));  // pulled out
  EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.PortButton(5)->isEnabled(); }, 3000));
  EXPECT_EQ(dlg.PresenceLabel()->text(), "No serial port is present now.");
  EXPECT_EQ(dlg.SelectedPort(), 0) << "a pulled cable's port is no choice";
}

// A link on which only one device has a radio; every other port is silent.
class OneRadioLink : public SerialLink, public Clock {
 public:
  explicit OneRadioLink(std::string radioDevice) : radioDevice_(std::move(radioDevice)) {}
  bool Open(const std::string& device) override {
    opened.push_back(device);
    answering_ = device == radioDevice_;
    return link_.Open(device);
  }
  void Configure() override { link_.Configure(); }
  void FullClear() override { link_.FullClear(); }
  void QueueClear() override { link_.QueueClear(); }
  bool Write(std::span<const std::uint8_t> bytes) override {
    return answering_ ? link_.Write(bytes) : true;
  }
  bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
    count = 0;
    return answering_ ? link_.Read(buffer, count) : true;
  }
  void Close() override { link_.Close(); }
  void SleepMs(int ms) override { link_.SleepMs(ms); }

  std::vector<std::string> opened;
  VirtualRadio radio;

 private:
  std::string radioDevice_;
  bool answering_ = false;
  SimulatedLink link_{radio};
};

TEST_F(PortSettingDlgTest, FindRadioAsksFirstSelectsTheRadiosPortAndStoresNothingUntilOk) {
  App().currentPort = "COM1";
  for (int n = 1; n <= 16; ++n) ASSERT_TRUE(SetPortDevice(n, QString("/dev/port%1").arg(n)));
  OneRadioLink link("/dev/port9");
  const std::set<int> present = {2, 4, 9};
  CPortSettingDlg dlg(
      nullptr, ProbeOf({"COM4", "COM9"}), [&](int n) { return present.count(n) != 0; },
      test::LinkTo(link));
  {
    test::MessageBoxAnswerer answer(QMessageBox::Cancel);
    dlg.FindButton()->click();
    ASSERT_EQ(answer.texts.size(), 1u);
    // The ports it will try, and the present one another program holds.
    EXPECT_TRUE(answer.texts[0].contains("\n  COM4 (/dev/port4)\n  COM9 (/dev/port9)\n"))
        << answer.texts[0].toStdString();
    EXPECT_TRUE(answer.texts[0].endsWith("Skipped, in use or cannot be opened: COM2"));
  }
  EXPECT_TRUE(link.opened.empty()) << "Cancel tries no port";

  {
    test::MessageBoxAnswerer answer(QMessageBox::Ok);
    dlg.FindButton()->click();  // returns once the search has ended
    EXPECT_EQ(answer.texts.size(), 1u);
  }
  EXPECT_EQ(link.opened, (std::vector<std::string>{"/dev/port4", "/dev/port9"}));
  EXPECT_EQ(dlg.SelectedPort(), 9);
  EXPECT_EQ(dlg.FindLabel()->text(), "Radio found on COM9 (/dev/port9).");
  // Only the connect step: no memory frame reached the radio.
  for (const RadioFrame& f : link.radio.Frames())
    EXPECT_TRUE(f.kind != RadioFrame::Kind::Read && f.kind != RadioFrame::Kind::Write);
  EXPECT_FALSE(link.radio.Frames().empty());
  EXPECT_FALSE(SettingsStore(App().appName).ReadCom().has_value());
  EXPECT_EQ(App().currentPort, "COM1");
  dlg.accept();
  EXPECT_EQ(SettingsStore(App().appName).ReadCom(), 9u);
}
#endif  // _WIN32

// ------------------------------------------------------ Read and Write

class RadioCommandsTest : public testing::Test {
 protected:
  RadioCommandsTest() : link_(radio_), view_(doc_), commands_(view_, test::LinkTo(link_)) {
    SetUserDataFolder(dataDir_.path());  // complete reads leave their backups here
    BandLimitBytes band = kDefaultBandLimitBytes;
    doc_.OnNewDocument(band, Language::English, "test");
    view_.OnInitialUpdate();
  }
  // Presses Start and lets the posted request reach the commands, without
  // letting the run's end be handled yet.
  void PressStart() {
    QTest::mouseClick(commands_.ProcessDialog().StartButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(&commands_.ProcessDialog());
  }
  bool WaitForEnd() {
    QSignalSpy spy(&commands_, &RadioCommands::runningChanged);
    return !commands_.IsRunning() || spy.wait(10000);
  }
  ~RadioCommandsTest() override { SetUserDataFolder({}); }
  QTemporaryDir dataDir_;
  VirtualRadio radio_;
  SimulatedLink link_;
  CProgramDoc doc_;
  CProgramView view_;
  RadioCommands commands_;
};

TEST_F(RadioCommandsTest, CancelBeforeStartTouchesNoPort) {
  commands_.OnRead();
  EXPECT_EQ(commands_.ProcessDialog().windowTitle(), "Read Data");
  QTest::mouseClick(commands_.ProcessDialog().CancelButton(), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_FALSE(commands_.ProcessDialog().isVisible());
  EXPECT_TRUE(link_.Events().empty());
  EXPECT_FALSE(commands_.IsRunning());
}

TEST_F(RadioCommandsTest, CaptionAlwaysNamesTheDirectionStartWillTake) {
  commands_.OnRead();
  commands_.OnWrite();
  EXPECT_EQ(commands_.Mode(), CloneMode::Write);
  EXPECT_EQ(commands_.ProcessDialog().windowTitle(), "Write Data");
  commands_.OnRead();
  EXPECT_EQ(commands_.Mode(), CloneMode::Read);
  EXPECT_EQ(commands_.ProcessDialog().windowTitle(), "Read Data");
}

TEST_F(RadioCommandsTest, DirectionIsFixedWhenStartIsPressed) {
  const RadioMemory before = radio_.Memory();
  commands_.OnRead();
  QTest::mouseClick(commands_.ProcessDialog().StartButton(), Qt::LeftButton);
  commands_.OnWrite();  // after Start, before the run has begun
  EXPECT_EQ(commands_.Mode(), CloneMode::Read);
  EXPECT_EQ(commands_.ProcessDialog().windowTitle(), "Read Data");
  QCoreApplication::sendPostedEvents(&commands_.ProcessDialog());
  EXPECT_TRUE(commands_.IsRunning());
  EXPECT_FALSE(commands_.CanRead());
  EXPECT_FALSE(commands_.CanWrite());
  commands_.OnWrite();
  EXPECT_EQ(commands_.Mode(), CloneMode::Read);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(commands_.LastResult().mode, CloneMode::Read);
  EXPECT_EQ(radio_.Memory(), before);  // nothing was written into the radio
  EXPECT_TRUE(commands_.CanWrite());
}

TEST_F(RadioCommandsTest, CompleteReadFillsImageAndGrid) {
  commands_.OnRead();
  PressStart();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(commands_.LastResult().outcome, CloneOutcome::Ok);
  EXPECT_FALSE(commands_.ProcessDialog().isVisible());
  EXPECT_EQ(commands_.ProcessDialog().ProgressBar()->value(), 191);
  for (std::size_t a = 0; a < kRadioMemorySize; ++a)
    ASSERT_EQ(doc_.Image()[*ImageOffsetOfRadioAddress(a)], radio_.Memory()[a]) << a;
  EXPECT_EQ(view_.CellText(1, 1), "350.00000");
  EXPECT_TRUE(doc_.IsModified());  // the radio's bytes are not in any file yet
  EXPECT_FALSE(link_.IsOpen());
  EXPECT_TRUE(view_.isEnabled());
  // The next command shows the dialog afresh, in its own direction.
  commands_.OnWrite();
  EXPECT_TRUE(commands_.ProcessDialog().isVisible());
  EXPECT_TRUE(commands_.ProcessDialog().StartButton()->isEnabled());
  EXPECT_EQ(commands_.ProcessDialog().ProgressBar()->value(), 0);
  EXPECT_EQ(commands_.ProcessDialog().windowTitle(), "Write Data");
  EXPECT_EQ(commands_.Mode(), CloneMode::Write);
}

TEST_F(RadioCommandsTest, ReadIsOneStepThatUndoTakesBackByteForByte) {
  // A channel typed before the read, then the read replaces everything.
  ASSERT_TRUE(view_.SetCell(1, 1, "145.00000"));
  const RadioImage edited = doc_.Image();
  commands_.OnRead();
  PressStart();
  ASSERT_TRUE(WaitForEnd());
  ASSERT_EQ(commands_.LastResult().outcome, CloneOutcome::Ok);
  const RadioImage read = doc_.Image();
  ASSERT_EQ(doc_.UndoStack().count(), 2);
  EXPECT_EQ(doc_.UndoStack().undoText(), "Read from radio");
  EXPECT_EQ(view_.CellText(1, 1), "350.00000");

  doc_.UndoStack().undo();
  EXPECT_EQ(doc_.Image(), edited);
  EXPECT_EQ(view_.CellText(1, 1), "145.00000");  // the grid follows the image back
  doc_.UndoStack().redo();
  EXPECT_EQ(doc_.Image(), read);
  EXPECT_EQ(view_.CellText(1, 1), "350.00000");
  doc_.UndoStack().undo();
  doc_.UndoStack().undo();
  EXPECT_EQ(view_.CellText(1, 1), "");
  EXPECT_FALSE(doc_.IsModified());  // back at the new document's state
}

TEST_F(RadioCommandsTest, BrokenReadLeavesTheDocumentAsItWas) {
  radio_.Faults().silentAfterChunks = 10;
  ASSERT_TRUE(view_.SetCell(1, 1, "145.00000"));
  const RadioImage before = doc_.Image();
  const int steps = doc_.UndoStack().count();
  MessageBoxAnswerer answerer(QMessageBox::Ok);
  commands_.OnRead();
  PressStart();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(commands_.LastResult().outcome, CloneOutcome::Interrupted);
  ASSERT_EQ(answerer.texts.size(), 1u);
  EXPECT_EQ(answerer.texts[0], "Program Interrupt, Please reset the radio and try again");
  // The chunks that arrived are not mixed into the document: a Save or a
  // Write afterwards keeps what the user had.
  EXPECT_EQ(doc_.Image(), before);
  EXPECT_EQ(doc_.UndoStack().count(), steps);
  EXPECT_EQ(view_.CellText(1, 1), "145.00000");
  EXPECT_FALSE(commands_.ProcessDialog().isVisible());
  EXPECT_FALSE(link_.IsOpen());
  EXPECT_TRUE(view_.Grid()->isEnabled());
}

TEST_F(RadioCommandsTest, WriteProgramsTheRadio) {
  doc_.Image()[0x0C30 - 1] = 0x5A;  // last byte of the lower area
  view_.FillFromImage();
  commands_.OnWrite();
  PressStart();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(commands_.LastResult().outcome, CloneOutcome::Ok);
  EXPECT_EQ(commands_.ProcessDialog().ProgressBar()->value(), 189);
  EXPECT_EQ(radio_.Memory()[0x0C2F], 0x5A);
  EXPECT_EQ(radio_.Memory()[0x0FD1], 0x03);
}

TEST_F(RadioCommandsTest, BrokenWriteSaysTheRadioHoldsPartOfTheNewData) {
  radio_.Faults().silentAfterChunks = 3 + 30;  // the cable goes after ten blocks
  MessageBoxAnswerer answerer(QMessageBox::Ok);
  commands_.OnWrite();
  PressStart();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(commands_.LastResult().outcome, CloneOutcome::Interrupted);
  ASSERT_EQ(answerer.texts.size(), 2u);
  EXPECT_EQ(answerer.texts[0], "Program Interrupt, Please reset the radio and try again");
  EXPECT_EQ(answerer.texts[1],
            "Write stopped at 5 %: the radio holds part of the new data. Write it again before "
            "using the radio.");
}

TEST_F(RadioCommandsTest, CancelRaisedBeforeTheRunBeginsEndsItQuietly) {
  view_.CommitToImage();  // what every run does first
  const RadioImage before = doc_.Image();
  MessageBoxAnswerer answerer(QMessageBox::Ok);
  commands_.OnRead();
  QTest::mouseClick(commands_.ProcessDialog().StartButton(), Qt::LeftButton);
  QTest::keyClick(&commands_.ProcessDialog(), Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(&commands_.ProcessDialog());
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(commands_.LastResult().outcome, CloneOutcome::CancelledByUser);
  EXPECT_TRUE(answerer.texts.empty());
  EXPECT_TRUE(radio_.Frames().empty());
  EXPECT_FALSE(link_.IsOpen());
  EXPECT_FALSE(commands_.ProcessDialog().isVisible());
  EXPECT_EQ(doc_.Image(), before);
}

TEST_F(RadioCommandsTest, SilentRadioAsksRetryThenCancelEndsSilently) {
  radio_.Faults().noAnswer = true;
  MessageBoxAnswerer answerer(QMessageBox::Cancel);
  commands_.OnRead();
  PressStart();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(commands_.LastResult().outcome, CloneOutcome::CommunicationCancelled);
  ASSERT_EQ(answerer.texts.size(), 1u);
  EXPECT_EQ(answerer.texts[0],
            "Communication Error, Please check all the connections and the radio power");
}

// ------------------------------------- Stopping a run that is going on

enum class StopBy { CancelButton, Escape, CloseBox };

// The user stops a read or a write while it runs: the Process dialog stays
// live during the run (the grid is what is blocked).
class StopDuringRunTest : public testing::TestWithParam<std::tuple<CloneMode, StopBy>> {
 protected:
  StopDuringRunTest() : view_(doc_), commands_(view_, test::LinkTo(link_)) {
    SetUserDataFolder(dataDir_.path());
    BandLimitBytes band = kDefaultBandLimitBytes;
    doc_.OnNewDocument(band, Language::English, "test");
    view_.OnInitialUpdate();
    SetMessageHook([this](const MessageRequest& m) {
      messages_.push_back(m.text);
      return QMessageBox::Ok;
    });
  }
  ~StopDuringRunTest() override {
    SetMessageHook({});
    SetUserDataFolder({});
  }
  static int HoldAfter(CloneMode mode) {
    // Ten blocks into the transfer.
    return (mode == CloneMode::Read ? test::kReadPreludeChunks : test::kWritePreludeChunks) + 30;
  }
  QTemporaryDir dataDir_;
  VirtualRadio radio_;
  test::HeldLink link_{radio_, HoldAfter(std::get<0>(GetParam()))};
  CProgramDoc doc_;
  CProgramView view_;
  RadioCommands commands_;
  std::vector<QString> messages_;
};

TEST_P(StopDuringRunTest, RunEndsAtItsNextCancelPointAndClosesPortAndDialog) {
  const auto [mode, by] = GetParam();
  ASSERT_TRUE(view_.SetCell(1, 1, "145.00000"));
  const RadioImage docBefore = doc_.Image();
  const int steps = doc_.UndoStack().count();
  const RadioMemory radioBefore = radio_.Memory();
  ASSERT_NE(radioBefore[3], docBefore[3]);  // the radio's channel 1 is another
  CProcessDlg& dialog = commands_.ProcessDialog();
  mode == CloneMode::Read ? commands_.OnRead() : commands_.OnWrite();
  QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return link_.Held(); }, 10000));
  ASSERT_TRUE(commands_.IsRunning());
  EXPECT_FALSE(view_.Grid()->isEnabled());

  switch (by) {
    case StopBy::CancelButton:
      QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
      break;
    case StopBy::Escape:
      QTest::keyClick(&dialog, Qt::Key_Escape);
      break;
    case StopBy::CloseBox:
      dialog.close();
      break;
  }
  EXPECT_TRUE(dialog.CancelFlag());
  EXPECT_TRUE(dialog.isVisible());  // the run closes it when it sees the flag
  link_.Release();
  QSignalSpy ended(&commands_, &RadioCommands::runningChanged);
  ASSERT_TRUE(!commands_.IsRunning() || ended.wait(10000));

  const CloneResult& result = commands_.LastResult();
  EXPECT_EQ(result.outcome, CloneOutcome::CancelledByUser);
  // The block under way is finished, no more: a read was held at the
  // acknowledge of block 10's last chunk, a write before block 11.
  EXPECT_EQ(result.progress, mode == CloneMode::Read ? 10 : 11);
  EXPECT_FALSE(link_.IsOpen());
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(view_.Grid()->isEnabled());
  if (mode == CloneMode::Write) {
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0],
              "Write stopped at 5 %: the radio holds part of the new data. "
              "Write it again before using the radio.");
    for (std::size_t i = 0; i < kBlockSize; ++i)  // channel 1 reached the radio
      EXPECT_EQ(radio_.Memory()[i], doc_.Image()[i]) << i;
    EXPECT_EQ(radio_.Memory()[0x0C2F], radioBefore[0x0C2F]);
    EXPECT_EQ(radio_.Memory()[kBandTypeAddress], radioBefore[kBandTypeAddress]);
  } else {
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(doc_.Image(), docBefore);
    EXPECT_EQ(doc_.UndoStack().count(), steps);
    EXPECT_EQ(view_.CellText(1, 1), "145.00000");
    EXPECT_EQ(radio_.Memory(), radioBefore);
  }
}

std::string StopCaseName(const testing::TestParamInfo<StopDuringRunTest::ParamType>& info) {
  static const char* const kBy[] = {"CancelButton", "Escape", "CloseBox"};
  return std::string(std::get<0>(info.param) == CloneMode::Read ? "Read" : "Write") +
         kBy[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(ReadAndWrite, StopDuringRunTest,
                         testing::Combine(testing::Values(CloneMode::Read, CloneMode::Write),
                                          testing::Values(StopBy::CancelButton, StopBy::Escape,
                                                          StopBy::CloseBox)),
                         StopCaseName);

}  // namespace
}  // namespace radio
