#include "link/serial_port_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "link/win32_port_list.h"
#include "link/win32_serial_calls.h"

namespace radio {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Calls = std::vector<std::string>;

const HANDLE kPort = reinterpret_cast<HANDLE>(0x5A);

// The calls as a port would answer them, each one written down.
class FakeCalls : public Win32SerialCalls {
 public:
  HANDLE CreateFileW(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                     DWORD flags) override {
    paths.push_back(path);
    createArgs = {access, share, disposition, flags};
    return openError ? INVALID_HANDLE_VALUE : kPort;
  }
  bool SetupComm(HANDLE h, DWORD in, DWORD out) override {
    return Log(h, "SetupComm " + std::to_string(in) + " " + std::to_string(out));
  }
  bool SetCommTimeouts(HANDLE h, const COMMTIMEOUTS& t) override {
    timeouts = t;
    return Log(h, "SetCommTimeouts");
  }
  bool GetCommState(HANDLE h, DCB& dcb) override {
    dcb = driverDcb;
    return Log(h, "GetCommState") && serialDevice;
  }
  bool SetCommState(HANDLE h, const DCB& dcb) override {
    setDcb = dcb;
    return Log(h, "SetCommState");
  }
  bool PurgeComm(HANDLE h, DWORD flags) override {
    return Log(h, "PurgeComm " + std::to_string(flags));
  }
  bool WriteFile(HANDLE h, const void*, DWORD size, DWORD& written) override {
    written = std::min(size, writeLimit);
    return Log(h, "WriteFile " + std::to_string(size));
  }
  bool ReadFile(HANDLE h, void* data, DWORD size, DWORD& read) override {
    read = static_cast<DWORD>(std::min<std::size_t>(size, arriving.size()));
    std::copy_n(arriving.begin(), read, static_cast<std::uint8_t*>(data));
    return Log(h, "ReadFile " + std::to_string(size)) && !readFails;
  }
  bool CloseHandle(HANDLE h) override { return Log(h, "CloseHandle"); }
  DWORD GetLastError() override { return openError; }
  std::string ErrorMessage(DWORD) override { return "The device is not ready.\r\n"; }

  bool Log(HANDLE h, const std::string& call) {
    EXPECT_EQ(h, kPort) << call;
    calls.push_back(call);
    return true;
  }

  DWORD openError = 0;
  bool serialDevice = true;
  DWORD writeLimit = MAXDWORD;
  Bytes arriving;
  bool readFails = false;
  DCB driverDcb{};
  std::vector<std::wstring> paths;
  std::array<DWORD, 4> createArgs{};
  COMMTIMEOUTS timeouts{};
  DCB setDcb{};
  Calls calls;
};

class Win32SerialLinkTest : public testing::Test {
 protected:
  std::shared_ptr<FakeCalls> fake_ = std::make_shared<FakeCalls>();
  Win32SerialLink link_{fake_};
};

TEST_F(Win32SerialLinkTest, ComNamesOpenTheirDeviceExclusivelyAndPathsAsGiven) {
  for (const char* name : {"COM3", "com12", "\\\\.\\COM12", "\\\\.\\CNCB0"}) {
    ASSERT_TRUE(link_.Open(name)) << name;
    EXPECT_FALSE(link_.OpenFailure());
  }
  EXPECT_EQ(fake_->paths, (std::vector<std::wstring>{L"\\\\.\\COM3", L"\\\\.\\COM12",
                                                     L"\\\\.\\COM12", L"\\\\.\\CNCB0"}));
  EXPECT_EQ(fake_->createArgs, (std::array<DWORD, 4>{GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING,
                                                     FILE_ATTRIBUTE_NORMAL}));
  // Each Open closed the port the one before had opened.
  EXPECT_EQ(std::count(fake_->calls.begin(), fake_->calls.end(), "CloseHandle"), 3);
}

TEST_F(Win32SerialLinkTest, ConfigureSetsQueuesTimeoutsAndLineInOrder) {
  std::memset(&fake_->driverDcb, 0x5A, sizeof(DCB));  // no setting as ours
  fake_->driverDcb.DCBlength = sizeof(DCB);
  ASSERT_TRUE(link_.Open("COM3"));
  fake_->calls.clear();
  link_.Configure();
  EXPECT_EQ(fake_->calls,
            (Calls{"SetupComm 1024 512", "SetCommTimeouts", "GetCommState", "SetCommState"}));
  // Read: 30 ms between bytes, 90 ms + 100 ms per byte; write: 50 ms + 50 ms per byte.
  const COMMTIMEOUTS timeouts{30, 100, 90, 50, 50};
  EXPECT_EQ(std::memcmp(&fake_->timeouts, &timeouts, sizeof(timeouts)), 0);
  // 9600 8N1 binary without parity checks; flow control and the control
  // characters as the driver reported them.
  DCB expected = fake_->driverDcb;
  expected.BaudRate = 9600;
  expected.ByteSize = 8;
  expected.Parity = NOPARITY;
  expected.StopBits = ONESTOPBIT;
  expected.fBinary = 1;
  expected.fParity = 0;
  EXPECT_EQ(std::memcmp(&fake_->setDcb, &expected, sizeof(DCB)), 0);

  link_.FullClear();
  link_.QueueClear();
  // The queue clear keeps output a driver may still be sending.
  EXPECT_EQ(Calls(fake_->calls.end() - 2, fake_->calls.end()),
            (Calls{"PurgeComm 15", "PurgeComm 8"}));
}

TEST_F(Win32SerialLinkTest, MissingBusyAndOtherPortsSayWhyAndLeaveTheLinkClosed) {
  fake_->openError = ERROR_FILE_NOT_FOUND;
  EXPECT_FALSE(link_.Open("com3"));
  EXPECT_EQ(link_.OpenFailureText(Language::English),
            "COM3: no such device. Check that the cable is plugged in, or choose the port it is "
            "on.");

  fake_->openError = ERROR_ACCESS_DENIED;
  EXPECT_FALSE(link_.Open("\\\\.\\COM12"));
  EXPECT_EQ(link_.OpenFailureText(Language::English),
            "COM12: busy. Another program has the port open; close it and try again.");

  fake_->openError = ERROR_NOT_READY;
  EXPECT_FALSE(link_.Open("COM4"));
  EXPECT_EQ(link_.OpenFailureText(Language::English), "COM4: The device is not ready.");

  // Nothing was opened, so nothing is closed, written or read.
  link_.Configure();
  link_.FullClear();
  EXPECT_FALSE(link_.Write(Bytes{0x06}));
  std::array<std::uint8_t, 1> one{};
  std::size_t count = 5;
  EXPECT_FALSE(link_.Read(one, count));
  EXPECT_EQ(count, 0u);
  link_.Close();
  EXPECT_TRUE(fake_->calls.empty());
}

TEST_F(Win32SerialLinkTest, APlainFileIsClosedAgainUnwritten) {
  fake_->serialDevice = false;
  EXPECT_FALSE(link_.Open("C:\\radio.dat"));
  EXPECT_EQ(link_.OpenFailureText(Language::English), "C:\\radio.dat: not a serial device.");
  EXPECT_FALSE(link_.Write(Bytes{0x02}));
  link_.Close();
  EXPECT_EQ(fake_->calls, (Calls{"GetCommState", "CloseHandle"}));
}

TEST_F(Win32SerialLinkTest, WriteNeedsEveryByteAndReadTakesWhatArrived) {
  ASSERT_TRUE(link_.Open("COM3"));
  EXPECT_TRUE(link_.Write(Bytes{0x52, 0x0F, 0xD0, 0x08}));
  fake_->writeLimit = 3;  // the write timeout ran out
  EXPECT_FALSE(link_.Write(Bytes{0x52, 0x0F, 0xD0, 0x08}));

  fake_->arriving = {0x06, 0x07, 0x08};
  std::array<std::uint8_t, 12> buffer{};
  std::size_t count = 0;
  ASSERT_TRUE(link_.Read(buffer, count));
  EXPECT_EQ(count, 3u);
  EXPECT_EQ(buffer[2], 0x08);
  EXPECT_EQ(fake_->calls.back(), "ReadFile 12");
  fake_->arriving.clear();
  ASSERT_TRUE(link_.Read(buffer, count));  // a silent radio is an empty read
  EXPECT_EQ(count, 0u);
  fake_->arriving = {0x06};
  fake_->readFails = true;  // the cable pulled out
  EXPECT_FALSE(link_.Read(buffer, count));
  EXPECT_EQ(count, 0u);
}

TEST(Win32SerialLinkClose, ClosesOnceWhateverCloses) {
  auto fake = std::make_shared<FakeCalls>();
  {
    Win32SerialLink link(fake);
    ASSERT_TRUE(link.Open("COM1"));
    link.Close();
    link.Close();
    ASSERT_TRUE(link.Open("COM1"));
  }
  EXPECT_EQ(std::count(fake->calls.begin(), fake->calls.end(), "CloseHandle"), 2);
}

TEST(Win32PortList, PortListedMatchesComNamesInAnyCase) {
  const std::vector<std::string> names{"com12", "COM30"};
  EXPECT_TRUE(PortListed(names, 12));
  EXPECT_FALSE(PortListed(names, 3));
}

// The running system: Wine answers a port it has no device for as missing.
TEST(Win32SerialLinkSystem, APortThatIsNotThereIsNoSuchDevice) {
  const std::optional<PortOpenFailure> failure = ProbePort("COM99");
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->kind, PortOpenFailure::Kind::NoSuchDevice);
  EXPECT_EQ(failure->device, "COM99");
}

}  // namespace
}  // namespace radio
