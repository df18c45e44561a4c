#include "link/serial_port_link.h"
#include "link/system_clock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <array>

#include "base/app_context.h"
#include "base/settings_store.h"
#include "link/clone_engine.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "link/pty_pair.h"
#include "link/recording_ui.h"
#include "support/app_context_scope.h"

namespace radio {
namespace {

using test::PtyPair;
using Bytes = std::vector<std::uint8_t>;

class QtSerialLinkTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty_.ok());
    ASSERT_TRUE(link_.Open(pty_.SlavePath()));
    link_.Configure();
  }
  PtyPair pty_;
  QtSerialLink link_;
};

TEST(QtSerialLinkOpen, MissingDeviceAndNonsenseFail) {
  QtSerialLink link;
  EXPECT_FALSE(link.Open("/dev/radioprog-no-such-device"));
  Bytes b{1};
  EXPECT_FALSE(link.Write(b));  // nothing open
  std::size_t count = 7;
  EXPECT_FALSE(link.Read(b, count));
  EXPECT_EQ(count, 0u);
}

TEST(QtSerialLinkOpen, ExclusiveUntilClosed) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  QtSerialLink first;
  ASSERT_TRUE(first.Open(pty.SlavePath()));
  EXPECT_FALSE(CanOpenPort(pty.SlavePath()));
  QtSerialLink second;
  EXPECT_FALSE(second.Open(pty.SlavePath()));
  first.Close();
  // Closing released exclusive mode and the lock.
  EXPECT_TRUE(CanOpenPort(pty.SlavePath()));
  EXPECT_TRUE(second.Open(pty.SlavePath()));
}

TEST_F(QtSerialLinkTest, WriteReachesTheRadioSide) {
  const Bytes frame{0x52, 0x0F, 0xD0, 0x08};
  ASSERT_TRUE(link_.Write(frame));
  EXPECT_EQ(pty_.Receive(), frame);
}

TEST_F(QtSerialLinkTest, ReadReturnsRequestedCountAndKeepsTheRest) {
  Bytes answer(14);
  for (std::size_t i = 0; i < answer.size(); ++i) answer[i] = static_cast<std::uint8_t>(0x10 + i);
  pty_.Send(answer);
  std::array<std::uint8_t, 12> buf{};
  std::size_t count = 0;
  ASSERT_TRUE(link_.Read(buf, count));
  ASSERT_EQ(count, 12u);
  EXPECT_EQ(Bytes(buf.begin(), buf.end()), Bytes(answer.begin(), answer.begin() + 12));
  std::array<std::uint8_t, 2> rest{};
  ASSERT_TRUE(link_.Read(rest, count));
  ASSERT_EQ(count, 2u);
  EXPECT_EQ(rest[1], 0x1D);
}

TEST_F(QtSerialLinkTest, ShortAndEmptyReadsSucceedWithTheCount) {
  pty_.Send({0x06, 0x07, 0x08});
  std::array<std::uint8_t, 12> buf{};
  std::size_t count = 0;
  ASSERT_TRUE(link_.Read(buf, count));
  EXPECT_EQ(count, 3u);
  EXPECT_EQ(buf[2], 0x08);
  std::array<std::uint8_t, 1> one{};
  ASSERT_TRUE(link_.Read(one, count));
  EXPECT_EQ(count, 0u);
}

TEST_F(QtSerialLinkTest, QueueClearAfterWriteDiscardsInputOnly) {
  pty_.Send({0xAA, 0xBB, 0xCC});
  pty_.Receive(50);  // let the stale bytes reach the port
  const Bytes ack{0x06};
  ASSERT_TRUE(link_.Write(ack));
  link_.QueueClear();
  EXPECT_EQ(pty_.Receive(), ack);  // the write was not thrown away
  std::array<std::uint8_t, 1> one{};
  std::size_t count = 9;
  ASSERT_TRUE(link_.Read(one, count));
  EXPECT_EQ(count, 0u);  // the stale bytes were
}

TEST_F(QtSerialLinkTest, FullClearEmptiesInput) {
  pty_.Send({0x01, 0x02});
  pty_.Receive(50);
  std::array<std::uint8_t, 1> one{};
  std::size_t count = 0;
  ASSERT_TRUE(link_.Read(one, count));
  ASSERT_EQ(count, 1u);
  link_.FullClear();
  ASSERT_TRUE(link_.Read(one, count));
  EXPECT_EQ(count, 0u);
}

TEST_F(QtSerialLinkTest, VanishedRadioSideFailsTheRead) {
  pty_.CloseMaster();
  std::array<std::uint8_t, 1> one{};
  std::size_t count = 0;
  EXPECT_FALSE(link_.Read(one, count));
  EXPECT_EQ(count, 0u);
}

// Port devices come from the per-user store: point it at a scratch folder.
// The low-latency calls as a USB-serial adapter with a latency timer (or a
// port without either) would answer them, each call written down.
class FakeLatencyCalls : public PortLatencyCalls {
 public:
  explicit FakeLatencyCalls(bool adapter) : adapter_(adapter) {}
  std::optional<int> SerialFlags(int) override {
    calls.push_back("get flags");
    return adapter_ ? std::optional<int>(flags) : std::nullopt;
  }
  bool SetSerialFlags(int, int value) override {
    calls.push_back("set flags " + std::to_string(value));
    if (adapter_) flags = value;
    return adapter_;
  }
  std::string LatencyTimerPath(const std::string& device) override {
    return adapter_ ? device + "/latency_timer" : std::string();
  }
  std::optional<std::string> ReadFile(const std::string&) override {
    calls.push_back("read timer");
    return timer;
  }
  bool WriteFile(const std::string&, const std::string& text) override {
    calls.push_back("write timer " + text);
    timer = text;
    return true;
  }
  std::vector<std::string> calls;
  int flags = 0x40;
  std::string timer = "16";

 private:
  bool adapter_;
};

TEST(QtSerialLinkLatency, LoweredForATransferAndPutBackWhenTheRunEnds) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  auto calls = std::make_shared<FakeLatencyCalls>(true);
  QtSerialLink link(calls);
  // Probing a port (Port Setting, ports) changes nothing.
  ASSERT_TRUE(link.Open(pty.SlavePath()));
  link.Close();
  EXPECT_TRUE(calls->calls.empty());

  ASSERT_TRUE(link.Open(pty.SlavePath()));
  link.Configure();
  EXPECT_EQ(calls->flags, 0x40 | kLowLatencyFlag);
  EXPECT_EQ(calls->timer, "1");
  ASSERT_TRUE(link.Write(Bytes{0x06}));  // the port still works
  EXPECT_EQ(pty.Receive(), Bytes{0x06});
  link.Close();
  EXPECT_EQ(calls->calls, (std::vector<std::string>{
                              "get flags", "set flags " + std::to_string(0x40 | kLowLatencyFlag),
                              "read timer", "write timer 1", "set flags 64", "write timer 16"}));

  // A run the user cancels while it waits for the radio puts them back too.
  calls->calls.clear();
  test::RecordingUi ui;
  ui.cancelWhen = [](int) { return true; };
  SystemClock clock;
  RadioImage image{};
  const CloneResult r =
      RunClone(link, clock, ui, CloneMode::Read, image, pty.SlavePath(), Language::English);
  EXPECT_EQ(r.outcome, CloneOutcome::CancelledByUser);
  EXPECT_EQ(calls->calls.size(), 6u);
  EXPECT_EQ(calls->flags, 0x40);
  EXPECT_EQ(calls->timer, "16");
}

TEST(QtSerialLinkLatency, APortWithoutThemIsLeftAloneAndStillWorks) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  auto calls = std::make_shared<FakeLatencyCalls>(false);
  QtSerialLink link(calls);
  ASSERT_TRUE(link.Open(pty.SlavePath()));
  link.Configure();
  ASSERT_TRUE(link.Write(Bytes{0x52}));
  EXPECT_EQ(pty.Receive(), Bytes{0x52});
  link.Close();
  EXPECT_EQ(calls->calls, std::vector<std::string>{"get flags"});
}

class PortSettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    App().appName = "PortSettingsTest";
  }
  QTemporaryDir dir_;
  test::AppContextScope savedApp_;  // name and current port go back
};

TEST_F(PortSettingsTest, ComNamesResolveToDevicesAndOverrides) {
  EXPECT_EQ(PortDevice(1), "/dev/ttyUSB0");
  EXPECT_EQ(PortDeviceOf("COM10"), "/dev/ttyACM1");
  EXPECT_EQ(PortDeviceOf("\\\\.\\COM10"), "/dev/ttyACM1");
  EXPECT_EQ(PortDeviceOf("COM16"), "/dev/ttyS3");
  EXPECT_EQ(PortDeviceOf("/dev/pts/7"), "/dev/pts/7");
  EXPECT_EQ(PortDeviceOf("COM17"), "COM17");  // no such port: opens nothing
  SettingsStore(App().appName).SetValue("ports/COM3", "/dev/pts/42");
  EXPECT_EQ(PortDevice(3), "/dev/pts/42");
  EXPECT_EQ(PortDeviceOf("COM3"), "/dev/pts/42");
  EXPECT_EQ(PortDevice(4), "/dev/ttyUSB3");
}

TEST_F(PortSettingsTest, StoredChoiceRoundTripsAndDefaultsToCom1) {
  App().currentPort = "COM5";
  LoadCurrentPortChoice();
  EXPECT_EQ(App().currentPort, "COM1");
  StorePortChoice(12);
  EXPECT_EQ(App().currentPort, "\\\\.\\COM12");
  EXPECT_EQ(SettingsStore(App().appName).ReadCom(), 12u);
  StorePortChoice(3);
  App().currentPort = "COM1";
  LoadCurrentPortChoice();
  EXPECT_EQ(App().currentPort, "COM3");
  SettingsStore(App().appName).WriteCom(0x10A);  // only the lowest byte counts
  LoadCurrentPortChoice();
  EXPECT_EQ(App().currentPort, "\\\\.\\COM10");
}

TEST_F(PortSettingsTest, OverriddenComNameOpensThePseudoTerminal) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  SettingsStore(App().appName).SetValue("ports/COM2", QString::fromStdString(pty.SlavePath()));
  QtSerialLink link;
  ASSERT_TRUE(link.Open("COM2"));
  link.Configure();
  ASSERT_TRUE(link.Write(Bytes{0x4D, 0x02}));
  EXPECT_EQ(pty.Receive(), (Bytes{0x4D, 0x02}));
}

}  // namespace
}  // namespace radio

// QSerialPort wants a Qt application on the main thread.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
