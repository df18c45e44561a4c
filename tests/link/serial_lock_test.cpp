// Lock files of serial ports and the reasons a port cannot be opened.
#include "link/serial_lock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "link/port_open_failure.h"
#include "link/pty_pair.h"
#include "support/ended_process.h"

namespace radio {
namespace {
namespace fs = std::filesystem;

std::string Binary(std::int32_t pid) {
  return std::string(reinterpret_cast<const char*>(&pid), 4);
}

std::string Text(const char* format, long long pid) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, pid);
  return buffer;
}

TEST(SerialLockTest, EveryCommonFormGivesItsProcessAndGarbageGivesNone) {
  EXPECT_EQ(LockFileProcess(Binary(1234)), 1234);
  EXPECT_EQ(LockFileProcess(Text("%10lld\n", 1234)), 1234);
  EXPECT_EQ(LockFileProcess(Text("%10lld minicom root\n", 1234)), 1234);
  EXPECT_EQ(LockFileProcess("1234\nradioprog-cli\nhost\n"), 1234);
  EXPECT_EQ(LockFileProcess("1234"), 1234) << "four digits are text, not a binary number";
  for (const std::string& garbage : {std::string(), std::string("   \n"), std::string("abc"),
                                     std::string("12ab\n"), Binary(0), Binary(-5)})
    EXPECT_EQ(LockFileProcess(garbage), std::nullopt) << garbage;
  EXPECT_EQ(LockFileName("/dev/ttyUSB0"), "LCK..ttyUSB0");
  EXPECT_EQ(LockFileName("/dev/pts/3"), "LCK..pts_3");
  EXPECT_EQ(LockFileName("/tmp/sim.tty"), "LCK.._tmp_sim.tty");
}

class PortLockTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("radioprog-lock-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path Lock() const { return dir_ / "LCK..ttyUSB0"; }
  void Place(const std::string& contents) const {
    std::ofstream(Lock(), std::ios::binary) << contents;
  }
  PortLock Check() const { return CheckPortLock("/dev/ttyUSB0", {dir_.string()}); }
  fs::path dir_;
};

TEST_F(PortLockTest, RunningHoldersAreHonouredEndedOnesCleared) {
  EXPECT_EQ(Check().state, PortLock::State::None) << "no lock file";
  const long long self = getpid();
  for (const std::string& held : {Binary(static_cast<std::int32_t>(self)), Text("%10lld\n", self),
                                  Text("%10lld minicom root\n", self)}) {
    Place(held);
    const PortLock lock = Check();
    EXPECT_EQ(lock.state, PortLock::State::Held);
    EXPECT_EQ(lock.pid, self);
    EXPECT_EQ(lock.file, Lock().string());
    EXPECT_TRUE(fs::exists(Lock()));
  }
  const long long ended = test::EndedProcessId();
  for (const std::string& form : {Binary(static_cast<std::int32_t>(ended)), Text("%10lld\n", ended),
                                  Text("%10lld minicom root\n", ended)}) {
    Place(form);
    EXPECT_EQ(Check().state, PortLock::State::None);
    EXPECT_FALSE(fs::exists(Lock()));
  }
  Place("not a lock");
  const PortLock unknown = Check();
  EXPECT_EQ(unknown.state, PortLock::State::Held) << "what cannot be read may be live";
  EXPECT_EQ(unknown.pid, 0);
  EXPECT_TRUE(fs::exists(Lock()));
}

TEST(PortOpenFailureTest, EachReasonSaysWhatToDo) {
  const PortOpenFailure missing = DiagnosePortOpenFailure("/dev/no-such-tty", false, "");
  EXPECT_EQ(PortOpenFailureLine(missing, Language::English),
            "/dev/no-such-tty: no such device. Check that the cable is plugged in, or choose the "
            "port it is on.");
  EXPECT_EQ(PortOpenFailureReason(missing, Language::Chinese), "设备不存在");
  EXPECT_EQ(PortOpenFailureLine(missing, Language::Chinese),
            "/dev/no-such-tty: 设备不存在。请检查数据线是否已插好，或选择数据线所在的端口。");
  EXPECT_EQ(DiagnosePortOpenFailure("/tmp", true, "").kind, PortOpenFailure::Kind::NotADevice);

  PortLock held{PortLock::State::Held, "/var/lock/LCK..ttyUSB0", 4321};
  EXPECT_EQ(PortOpenFailureLine(FailureOfLock("/dev/ttyUSB0", held), Language::English),
            "/dev/ttyUSB0: busy (process 4321). Lock file /var/lock/LCK..ttyUSB0; close that "
            "program and try again.");
  EXPECT_EQ(
      PortOpenFailureLine(FailureOfLock("/dev/ttyUSB0", held), Language::Chinese),
      "/dev/ttyUSB0: 端口忙（进程 4321）。锁文件 /var/lock/LCK..ttyUSB0；请关闭该程序后重试。");
}

// A user outside the device's group: only root can become one for the test.
TEST(PortOpenFailureTest, PermissionDeniedNamesTheGroupToJoin) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run as another user";
  test::PtyPair pty;
  ASSERT_TRUE(pty.ok());
  ASSERT_EQ(chmod(pty.SlavePath().c_str(), 0600), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // nobody: a user without any access to the root-owned device.
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
    const PortOpenFailure f = DiagnosePortOpenFailure(pty.SlavePath(), true, "");
    const std::string line = PortOpenFailureLine(f, Language::English);
    const bool ok =
        f.kind == PortOpenFailure::Kind::PermissionDenied &&
        line.find(": permission denied. Add yourself to the group ") != std::string::npos &&
        line.find("sudo usermod -aG ") != std::string::npos;
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace radio
