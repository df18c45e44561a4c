// The transfer runner on its own: the link is made on the worker thread,
// the transaction works on a copy of the image, and its messages and
// questions reach the user on the GUI thread over the runner's owner.
#include "link/transfer_runner.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>
#include <QWidget>
#include <vector>

#include "base/message_box.h"
#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"

namespace radio {
namespace {

class TransferRunnerTest : public testing::Test {
 protected:
  TransferRunnerTest() {
    SetMessageHook([this](const MessageRequest& request) {
      shown.push_back({request, QThread::currentThread()});
      return QMessageBox::Retry;
    });
  }
  ~TransferRunnerTest() override { SetMessageHook({}); }

  // Counts the links made and notes the thread that made them.
  LinkFactory CountingLinks() {
    return [this] {
      ++linksMade;
      linkThread = QThread::currentThread();
      auto link = std::make_shared<SimulatedLink>(radio);
      return LinkAndClock{link, link};
    };
  }

  struct Shown {
    MessageRequest request;
    QThread* thread;
  };
  VirtualRadio radio;
  QWidget owner;
  std::vector<Shown> shown;
  int linksMade = 0;
  QThread* linkThread = nullptr;
};

TEST_F(TransferRunnerTest, TransactionGetsAFreshWorkerLinkAndACopyOfTheImage) {
  TransferRunner runner(CountingLinks(), owner);
  const RadioImage start{};
  QThread* transactionThread = nullptr;
  const CloneOutcome outcome = runner.Run(
      [&](SerialLink&, Clock&, CloneUi&, RadioImage& image) {
        transactionThread = QThread::currentThread();
        image[0x17EE] = 0x42;
        return CloneResult{CloneOutcome::Ok};
      },
      start, Language::English);

  EXPECT_EQ(outcome, CloneOutcome::Ok);
  EXPECT_EQ(linksMade, 1);
  ASSERT_NE(transactionThread, nullptr);
  EXPECT_NE(transactionThread, qApp->thread());
  EXPECT_EQ(linkThread, transactionThread);
  EXPECT_EQ(runner.Image()[0x17EE], 0x42);
  EXPECT_EQ(start[0x17EE], 0);
  EXPECT_FALSE(runner.IsRunning());
}

TEST_F(TransferRunnerTest, MessagesAndTheRetryQuestionAreAnsweredOnTheGuiThread) {
  TransferRunner runner(CountingLinks(), owner);
  bool retried = false;
  runner.Run(
      [&](SerialLink&, Clock&, CloneUi& ui, RadioImage&) {
        retried = ui.AskRetry();
        ui.ShowMessage(MessageKind::ReadSuccessfully);
        ui.ShowMessage(MessageKind::ProgramInterrupt);
        return CloneResult{CloneOutcome::Interrupted};
      },
      RadioImage{}, Language::English);

  EXPECT_TRUE(retried);  // the answer given on the GUI thread reached the worker
  ASSERT_EQ(shown.size(), 3u);
  for (const Shown& s : shown) EXPECT_EQ(s.thread, qApp->thread());
  EXPECT_EQ(shown[0].request.buttons, QMessageBox::Retry | QMessageBox::Cancel);
  EXPECT_EQ(shown[1].request.text, "Read Successfully");
  EXPECT_EQ(shown[1].request.icon, QMessageBox::Information);
  EXPECT_EQ(shown[2].request.icon, QMessageBox::Warning);
  EXPECT_EQ(runner.Result().outcome, CloneOutcome::Interrupted);
}

}  // namespace
}  // namespace radio
