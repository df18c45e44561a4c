// After a read over a cable that holds the radio's answers back, the main
// window's status bar says what the cable cost.
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "link/process_dlg.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/radio_commands.h"
#include "sim/simulated_link.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

class SlowCableTest : public StartedShellTest {
 protected:
  SlowCableTest() : StartedShellTest({"--no-splash"}) {}
  // Reads from a radio whose answers reach the program `latencyUs` late.
  void ReadWithLatency(std::int64_t latencyUs) {
    links_.Use(std::make_shared<SimulatedLink>(
        radio_, SimulatedLinkOptions{.answerLatencyUs = latencyUs, .byteTimeUs = kByteWireUs}));
    frame_->OnCommand(cmd::kRead);
    auto* commands = frame_->ActiveFrame()->View().findChild<RadioCommands*>();
    ASSERT_NE(commands, nullptr);
    int ends = 0;
    const auto connection = QObject::connect(commands, &RadioCommands::runningChanged,
                                             [&](bool running) { ends += running ? 0 : 1; });
    QTest::mouseClick(commands->ProcessDialog().StartButton(), Qt::LeftButton);
    const bool ended = QTest::qWaitFor([&] { return ends == 1; }, 20000);
    QObject::disconnect(connection);
    ASSERT_TRUE(ended);
    ASSERT_EQ(commands->LastResult().outcome, CloneOutcome::Ok);
  }
  VirtualRadio radio_;
};

TEST_F(SlowCableTest, TheStatusBarNamesASlowCableOnlyAfterASlowRead) {
  ReadWithLatency(1'000);
  const QString quick = frame_->statusBar()->currentMessage();
  EXPECT_FALSE(quick.contains("The cable added")) << quick.toStdString();
  ReadWithLatency(16'000);
  const QString slow = frame_->statusBar()->currentMessage();
  EXPECT_TRUE(slow.startsWith("The cable added about 16 ms to each answer; this read took "))
      << slow.toStdString();
}

}  // namespace
}  // namespace radio::test
