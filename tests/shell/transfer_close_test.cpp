// Closing the program, the main window, a document window or the session
// while a read or a write with the radio runs: the user is asked, Yes stops
// the run at its next cancel point and closes only after it ended, No lets
// it go on and keeps everything open.
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "channels/program_view.h"
#include "image/program_doc.h"
#include "link/clone_frames.h"
#include "link/process_dlg.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/radio_commands.h"
#include "shell/radio_transfers.h"
#include "support/held_link.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

enum class Request { Exit, MainWindowClose, DocumentWindowClose, LogOut };

const char kQuestion[] = "A transfer with the radio is running. Stop it and close?";
const char kWriteAddition[] = "\nThe radio will hold part of the new data.";

// The program with one document, whose transfers talk to a virtual radio
// that holds a run ten blocks into its transfer.
class HeldRunTest : public StartedShellTest {
 protected:
  explicit HeldRunTest(CloneMode mode)
      : StartedShellTest({"--no-splash"}),
        mode_(mode),
        link_(std::make_shared<HeldLink>(
            radio_, (mode == CloneMode::Read ? kReadPreludeChunks : kWritePreludeChunks) + 30)) {}
  void SetUp() override {
    StartedShellTest::SetUp();
    if (HasFatalFailure()) return;
    links_.Use(link_);
    child_ = frame_->ActiveFrame();
    ASSERT_NE(child_, nullptr);
  }
  // Read or Write from the menu, Start in the Process dialog; returns once
  // the run is held.
  RadioCommands* StartHeldRun() {
    frame_->OnCommand(mode_ == CloneMode::Read ? cmd::kRead : cmd::kWrite);
    auto* commands = child_->View().findChild<RadioCommands*>();
    if (!commands) return nullptr;
    QTest::mouseClick(commands->ProcessDialog().StartButton(), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return link_->Held(); }, 10000)) return nullptr;
    return commands;
  }

  CloneMode mode_;
  VirtualRadio radio_;
  std::shared_ptr<HeldLink> link_;
  CChildFrame* child_ = nullptr;
};

class CloseDuringTransferTest
    : public HeldRunTest,
      public testing::WithParamInterface<std::tuple<CloneMode, Request, bool>> {
 protected:
  CloseDuringTransferTest() : HeldRunTest(std::get<0>(GetParam())) {}
  // The window the request closes: the document's own, or the program's.
  QWidget* Target() const {
    return std::get<1>(GetParam()) == Request::DocumentWindowClose ? static_cast<QWidget*>(child_)
                                                                   : frame_;
  }
};

TEST_P(CloseDuringTransferTest, AsksAndClosesOnlyAfterTheStoppedRunEnded) {
  const auto [mode, request, yes] = GetParam();
  CProgramDoc& doc = child_->Document();
  const RadioMemory radioBefore = radio_.Memory();
  const RadioImage docBefore = doc.Image();
  RadioCommands* commands = StartHeldRun();
  ASSERT_NE(commands, nullptr);
  ASSERT_TRUE(frame_->Action(cmd::kAppExit)->isEnabled());
  EXPECT_FALSE(frame_->Action(cmd::kFileSave)->isEnabled());
  EXPECT_FALSE(frame_->Action(cmd::kFileClose)->isEnabled());

  bool targetShownAtEnd = false;
  int ends = 0;
  QObject::connect(commands, &RadioCommands::runningChanged, [&](bool running) {
    if (running) return;
    ++ends;
    targetShownAtEnd = Target()->isVisible();
  });

  answers_ = {yes ? QMessageBox::Yes : QMessageBox::No};
  bool sessionGoesOn = false;
  switch (request) {
    case Request::Exit:
      frame_->Action(cmd::kAppExit)->trigger();
      break;
    case Request::MainWindowClose:
      frame_->close();
      break;
    case Request::DocumentWindowClose:
      child_->close();
      break;
    case Request::LogOut:
      // Lets the run go on once the answer has been acted on.
      QTimer::singleShot(0, [link = link_] { link->Release(); });
      sessionGoesOn = frame_->Transfers().EndSession(frame_, [] { return true; });
      EXPECT_EQ(sessionGoesOn, yes);
      // On Yes the session goes on only once the run has ended.
      EXPECT_EQ(commands->IsRunning(), !yes);
      break;
  }
  ASSERT_FALSE(messages_.empty());
  EXPECT_EQ(messages_[0].text,
            QString(kQuestion) + (mode == CloneMode::Write ? kWriteAddition : ""));
  EXPECT_EQ(messages_[0].buttons, QMessageBox::Yes | QMessageBox::No);
  if (request != Request::LogOut) {
    EXPECT_TRUE(Target()->isVisible());  // nothing closes while the run goes on
    EXPECT_TRUE(commands->IsRunning());
    link_->Release();
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 1; }, 10000));
  const CloneOutcome outcome = commands->LastResult().outcome;

  if (yes) {
    EXPECT_EQ(outcome, CloneOutcome::CancelledByUser);
    if (request != Request::LogOut) {
      EXPECT_TRUE(targetShownAtEnd);
      EXPECT_TRUE(QTest::qWaitFor([&] { return !Target()->isVisible(); }, 5000));
    }
    if (mode == CloneMode::Write) {
      ASSERT_GE(messages_.size(), 2u);  // then, on closing, the save question
      EXPECT_TRUE(messages_[1].text.startsWith("Write stopped at 5 %"))
          << messages_[1].text.toStdString();
      for (std::size_t i = 0; i < kBlockSize; ++i) EXPECT_EQ(radio_.Memory()[i], doc.Image()[i]);
      EXPECT_EQ(radio_.Memory()[0x0C2F], radioBefore[0x0C2F]);
    } else {
      EXPECT_EQ(doc.Image(), docBefore);
      EXPECT_EQ(radio_.Memory(), radioBefore);
    }
    return;
  }
  // No: the run went to its end and everything stays open.
  EXPECT_EQ(outcome, CloneOutcome::Ok);
  QTest::qWait(50);
  EXPECT_TRUE(frame_->isVisible());
  EXPECT_TRUE(child_->isVisible());
  ASSERT_EQ(frame_->DocumentFrames(), QList<CChildFrame*>{child_});
  EXPECT_EQ(messages_.size(), 1u);
  // The document holds the whole radio, or the radio the whole document
  // (a write leaves the radio's identification row and last block alone).
  const std::size_t end = mode == CloneMode::Read ? kRadioMemorySize : kBandTypeAddress - 1;
  for (std::size_t a = 0; a < end; ++a)
    ASSERT_EQ(doc.Image()[*ImageOffsetOfRadioAddress(a)], radio_.Memory()[a]) << a;
  if (mode == CloneMode::Write) {
    EXPECT_EQ(radio_.Memory()[kBandTypeAddress], 0x03);
  }
}

// The run ends on its own while the question is still open: Yes then
// closes at once, there being nothing left to wait for.
class QuestionOutlivesTheRunTest : public HeldRunTest {
 protected:
  QuestionOutlivesTheRunTest() : HeldRunTest(CloneMode::Write) {}
};

TEST_F(QuestionOutlivesTheRunTest, YesClosesAtOnce) {
  RadioCommands* commands = StartHeldRun();
  ASSERT_NE(commands, nullptr);
  bool endedWhileAsking = false;
  SetMessageHook([&](const MessageRequest& m) {
    if (!m.text.startsWith(kQuestion)) return QMessageBox::Ok;
    link_->Release();
    endedWhileAsking = QTest::qWaitFor([&] { return !frame_->RadioBusy(); }, 10000);
    return QMessageBox::Yes;
  });
  frame_->close();
  EXPECT_TRUE(endedWhileAsking);
  EXPECT_EQ(commands->LastResult().outcome, CloneOutcome::Ok);
  EXPECT_FALSE(frame_->isVisible());
}

std::string CloseCaseName(const testing::TestParamInfo<CloseDuringTransferTest::ParamType>& info) {
  static const char* const kRequest[] = {"Exit", "MainWindowClose", "DocumentWindowClose",
                                         "LogOut"};
  return std::string(std::get<0>(info.param) == CloneMode::Read ? "Read" : "Write") +
         kRequest[static_cast<int>(std::get<1>(info.param))] +
         (std::get<2>(info.param) ? "Yes" : "No");
}

INSTANTIATE_TEST_SUITE_P(EveryRequest, CloseDuringTransferTest,
                         testing::Combine(testing::Values(CloneMode::Read, CloneMode::Write),
                                          testing::Values(Request::Exit, Request::MainWindowClose,
                                                          Request::DocumentWindowClose,
                                                          Request::LogOut),
                                          testing::Bool()),
                         CloseCaseName);

}  // namespace
}  // namespace radio::test
