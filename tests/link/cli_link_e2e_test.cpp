// End to end over a real pseudo-terminal: radioprog-sim plays the radio,
// radioprog-cli reads and writes it through the serial port code.
#include <gtest/gtest.h>

#include <signal.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli_command.h"
#include "image/radio_image.h"
#include "link/clone_frames.h"
#include "link/qt_serial_link.h"
#include "link/serial_lock.h"
#include "support/ended_process.h"
#include "support/sim_process.h"

#include <unistd.h>

#include <cstdio>

namespace radio {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const QString kProgramDir = RADIOPROG_PROGRAM_DIR;
const char kPortText[] =
    "Could not Open the Port, Please check whether the Port are occupied or the device are ok";
const char kInterruptText[] = "Program Interrupt, Please reset the radio and try again";

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

struct CliRun {
  int status = -1;
  QString err;
  QString out;
};

// Margins for a loaded sanitizer build: a wait only runs out when a run
// already hangs, so it may be long.
constexpr int kRunMs = 60000;
constexpr int kQuickMs = 30000;  // a program that touches no radio

CliRun RunCli(const QStringList& args, int timeoutMs = kRunMs, const QString& workDir = {}) {
  QProcess cli;
  if (!workDir.isEmpty()) cli.setWorkingDirectory(workDir);
  cli.start(kProgramDir + "/radioprog-cli", args);
  CliRun run;
  if (!cli.waitForFinished(timeoutMs)) {
    cli.kill();
    cli.waitForFinished();
    run.err = "timed out";
    return run;
  }
  run.status = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
  run.err = QString::fromUtf8(cli.readAllStandardError());
  run.out = QString::fromUtf8(cli.readAllStandardOutput());
  return run;
}

class CliLinkTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // radioprog-cli read keeps its backups under the data home, the port
    // choices under the configuration home: ours.
    qputenv("XDG_DATA_HOME", (dir_.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir_.path() + "/config").toUtf8());
  }
  fs::path Path(const char* name) const { return fs::path(dir_.path().toStdString()) / name; }
  QString QPath(const char* name) const { return QString::fromStdString(Path(name).string()); }
  QTemporaryDir dir_;
};

TEST_F(CliLinkTest, ReadModifyWriteReadRoundTrip) {
  test::SimProcess sim({"--memory", QPath("radio.bin"), "--link", QPath("cable")});
  ASSERT_FALSE(sim.Device().isEmpty());
  EXPECT_TRUE(fs::is_symlink(Path("cable")));

  // Read through the symlink, as a user with a fixed device name would.
  CliRun run = RunCli({"read", "--port", QPath("cable"), "-o", QPath("first.dat")});
  ASSERT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
  const Bytes memory = ReadFile(Path("radio.bin"));
  Bytes first = ReadFile(Path("first.dat"));
  ASSERT_EQ(memory.size(), kRadioMemorySize);
  ASSERT_EQ(first.size(), kImageSize);
  for (std::size_t a = 0; a < kRadioMemorySize; ++a)
    ASSERT_EQ(first[*ImageOffsetOfRadioAddress(a)], memory[a]) << "radio address " << a;

  // Change a channel, the last lower-area byte, an upper-area byte and the
  // identification row (which a write must leave alone).
  Bytes changed = first;
  for (std::size_t i = 0; i < 24; ++i) changed[4 * kBlockSize + i] = static_cast<std::uint8_t>(i);
  changed[0x0C2F] ^= 0x5A;
  changed[*ImageOffsetOfRadioAddress(0x0C30)] ^= 0xFF;
  changed[*ImageOffsetOfRadioAddress(0x0FD4)] ^= 0xFF;
  changed[*ImageOffsetOfRadioAddress(0x0FF0)] ^= 0xFF;
  WriteFile(Path("changed.dat"), changed);
  run = RunCli({"write", "--port", sim.Device(), QPath("changed.dat")});
  ASSERT_EQ(run.status, cli::kExitOk) << run.err.toStdString();

  // Read again into a copy of the changed document: everything the write
  // sent comes back, the radio's own rows keep their bytes.
  run = RunCli(
      {"read", "--port", sim.Device(), "--in", QPath("changed.dat"), "-o", QPath("second.dat")});
  ASSERT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
  const Bytes second = ReadFile(Path("second.dat"));
  Bytes expected = changed;
  expected[*ImageOffsetOfRadioAddress(0x0FD4)] = first[*ImageOffsetOfRadioAddress(0x0FD4)];
  expected[*ImageOffsetOfRadioAddress(0x0FF0)] = first[*ImageOffsetOfRadioAddress(0x0FF0)];
  expected[*ImageOffsetOfRadioAddress(0x0FD1)] = 0x03;
  EXPECT_EQ(second, expected);

  // The memory file holds what the radio holds.
  sim.Stop();
  EXPECT_EQ(sim.ExitCode(), 0);
  EXPECT_FALSE(fs::exists(Path("cable")));
  const Bytes saved = ReadFile(Path("radio.bin"));
  ASSERT_EQ(saved.size(), kRadioMemorySize);
  for (std::size_t a = 0; a < kRadioMemorySize; ++a)
    ASSERT_EQ(saved[a], second[*ImageOffsetOfRadioAddress(a)]) << "radio address " << a;
}

TEST_F(CliLinkTest, DropMidTransferIsInterruptedAndSavesNothing) {
  test::SimProcess sim({"--drop-after", "40"});
  ASSERT_FALSE(sim.Device().isEmpty());
  const CliRun run = RunCli({"read", "--port", sim.Device(), "-o", QPath("out.dat")});
  EXPECT_EQ(run.status, cli::kExitInterrupted) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(kInterruptText)) << run.err.toStdString();
  EXPECT_FALSE(fs::exists(Path("out.dat")));
}

// An adapter that holds the radio's answers 16 ms is named after the
// transfer; a quick one is not. The radio falls silent after 10 chunks to
// keep the runs short; both run at once.
TEST_F(CliLinkTest, ASlowCableIsToldAfterTheTransferAndAQuickOneIsNot) {
  test::SimProcess slowSim({"--pace", "9600", "--latency", "16", "--drop-after", "10"});
  test::SimProcess quickSim({"--pace", "9600", "--latency", "0", "--drop-after", "10"});
  ASSERT_FALSE(slowSim.Device().isEmpty());
  ASSERT_FALSE(quickSim.Device().isEmpty());
  QProcess slow, quick;
  slow.start(kProgramDir + "/radioprog-cli",
             {"read", "--port", slowSim.Device(), "-o", QPath("slow.dat")});
  quick.start(kProgramDir + "/radioprog-cli",
              {"read", "--port", quickSim.Device(), "-o", QPath("quick.dat")});
  for (QProcess* cli : {&slow, &quick}) {
    ASSERT_TRUE(cli->waitForFinished(20000));
    EXPECT_EQ(cli->exitCode(), cli::kExitInterrupted);
  }
  const QString slowErr = QString::fromUtf8(slow.readAllStandardError());
  const QString quickErr = QString::fromUtf8(quick.readAllStandardError());
  EXPECT_TRUE(slowErr.contains("The cable added about ")) << slowErr.toStdString();
  EXPECT_TRUE(slowErr.contains("this read took")) << slowErr.toStdString();
  EXPECT_FALSE(quickErr.contains("The cable added")) << quickErr.toStdString();
}

TEST_F(CliLinkTest, FailedReadLeavesAnExistingFileAlone) {
  test::SimProcess sim({"--bad-ack-after", "5"});
  const Bytes old(kImageSize, 0x42);
  WriteFile(Path("out.dat"), old);
  const CliRun run = RunCli({"read", "--port", sim.Device(), "-o", QPath("out.dat")});
  EXPECT_EQ(run.status, cli::kExitInterrupted) << run.err.toStdString();
  EXPECT_EQ(ReadFile(Path("out.dat")), old);
}

TEST_F(CliLinkTest, BusyPortIsRefused) {
  test::SimProcess sim;
  ASSERT_FALSE(sim.Device().isEmpty());
  QtSerialLink holder;  // another program has the port
  ASSERT_TRUE(holder.Open(sim.Device().toStdString()));
  const CliRun run = RunCli({"read", "--port", sim.Device(), "-o", QPath("out.dat")});
  EXPECT_EQ(run.status, cli::kExitPort) << run.err.toStdString();
  // Under the port message, the device and who has it.
  EXPECT_TRUE(run.err.contains(QString(kPortText) + "\n" + sim.Device() + ": busy (process " +
                               QString::number(QCoreApplication::applicationPid()) + ")"))
      << run.err.toStdString();
  EXPECT_FALSE(fs::exists(Path("out.dat")));
  holder.Close();
}

// Lock files in the folder the port library itself uses, where a wrong
// reading matters; skipped where this user may not write there.
class LockFileTest : public CliLinkTest {
 protected:
  void SetUp() override {
    CliLinkTest::SetUp();
    if (access("/var/lock", W_OK) != 0) GTEST_SKIP() << "/var/lock cannot be written";
  }
  void TearDown() override {
    if (!lock_.empty()) fs::remove(lock_);
  }
  void PlaceLock(const QString& device, const std::string& contents) {
    lock_ = fs::path("/var/lock") / LockFileName(device.toStdString());
    std::ofstream(lock_, std::ios::binary) << contents;
  }
  fs::path lock_;
};

TEST_F(LockFileTest, LocksOfEndedProgramsAreIgnoredInEveryForm) {
  test::SimProcess sim({"--link", QPath("sim.tty")});
  ASSERT_FALSE(sim.Device().isEmpty());
  const long long ended = test::EndedProcessId();
  char text[32];
  std::snprintf(text, sizeof text, "%10lld minicom root\n", ended);
  const auto binary = static_cast<std::int32_t>(ended);
  const std::string forms[] = {text, std::string(reinterpret_cast<const char*>(&binary), 4),
                               std::to_string(ended) + "\nradioprog-cli\nhost\n"};
  for (const std::string& form : forms) {
    // A relative port path is a file in the working directory.
    PlaceLock(QPath("sim.tty"), form);
    const CliRun run = RunCli({"read", "--port", "sim.tty", "-o", "out.dat"}, kRunMs, dir_.path());
    EXPECT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
    EXPECT_FALSE(fs::exists(lock_)) << "the lock of an ended program is cleared";
  }
  EXPECT_EQ(ReadFile(Path("out.dat")).size(), kImageSize);
}

TEST_F(LockFileTest, ALockOfARunningProgramIsHonouredWhateverItsName) {
  test::SimProcess sim({"--link", QPath("sim.tty")});
  ASSERT_FALSE(sim.Device().isEmpty());
  // This test's own process stands for a terminal program holding the port.
  char text[32];
  std::snprintf(text, sizeof text, "%10lld minicom root\n", QCoreApplication::applicationPid());
  PlaceLock(QPath("sim.tty"), text);
  const CliRun run = RunCli({"read", "--port", "./sim.tty", "-o", "out.dat"}, kRunMs, dir_.path());
  EXPECT_EQ(run.status, cli::kExitPort) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(": busy (process " +
                               QString::number(QCoreApplication::applicationPid()) + ")"))
      << run.err.toStdString();
  EXPECT_TRUE(fs::exists(lock_));
  EXPECT_FALSE(fs::exists(Path("out.dat")));
}

TEST_F(CliLinkTest, WriteTakesOnlyRegularFilesAndSaysWhyAPortFails) {
  const CliRun device = RunCli({"write", "--port", "COM1", "/dev/zero"});
  EXPECT_EQ(device.status, cli::kExitFile);
  EXPECT_TRUE(device.err.contains("\"/dev/zero\" is not a regular file"))
      << device.err.toStdString();
  WriteFile(Path("long.dat"), Bytes(kImageSize + 10, 0xFF));
  const CliRun missing =
      RunCli({"write", "--port", "./missing.tty", "long.dat"}, kRunMs, dir_.path());
  EXPECT_EQ(missing.status, cli::kExitPort);
  EXPECT_TRUE(missing.err.contains("is 6154 bytes; only the first 6144 bytes are used"))
      << missing.err.toStdString();
  EXPECT_TRUE(
      missing.err.contains(QString(kPortText) + "\n" + QPath("missing.tty") + ": no such device"))
      << missing.err.toStdString();
}

TEST_F(CliLinkTest, PortsListSaysWhyEachPortCannotBeOpened) {
  test::SimProcess sim;
  ASSERT_FALSE(sim.Device().isEmpty());
  QtSerialLink holder;
  ASSERT_TRUE(holder.Open(sim.Device().toStdString()));
  ASSERT_EQ(RunCli({"ports", "--set", "COM1", sim.Device()}).status, cli::kExitOk);
  ASSERT_EQ(RunCli({"ports", "--set", "COM2", QPath("gone.tty")}).status, cli::kExitOk);
  QProcess ports;
  ports.start(kProgramDir + "/radioprog-cli", {"ports"});
  ASSERT_TRUE(ports.waitForFinished(kRunMs));
  const QStringList lines = QString::fromUtf8(ports.readAllStandardOutput()).split('\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_TRUE(lines[0].endsWith("cannot be opened: busy (process " +
                                QString::number(QCoreApplication::applicationPid()) + ")"))
      << lines[0].toStdString();
  EXPECT_TRUE(lines[1].endsWith("cannot be opened: no such device")) << lines[1].toStdString();
  holder.Close();
}

TEST_F(CliLinkTest, PasswordAndBandTypeRefusals) {
  {
    test::SimProcess sim({"--password", "1234"});
    CliRun run = RunCli({"read", "--port", sim.Device(), "-o", QPath("out.dat")});
    EXPECT_EQ(run.status, cli::kExitPassword) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Password Error!"));
    EXPECT_FALSE(fs::exists(Path("out.dat")));
  }
  {
    test::SimProcess sim({"--band-type", "5"});
    const CliRun run = RunCli({"write", "--port", sim.Device(), QPath("none.dat")});
    EXPECT_EQ(run.status, cli::kExitFile);  // no such document
    WriteFile(Path("doc.dat"), Bytes(kImageSize, 0xFF));
    const CliRun refused = RunCli({"write", "--port", sim.Device(), QPath("doc.dat")});
    EXPECT_EQ(refused.status, cli::kExitBandType) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("Band type error"));
  }
}

TEST_F(CliLinkTest, WritesSeveralRadiosAtOnceAndReportsEach) {
  test::SimProcess good({"--memory", QPath("a.bin")});
  test::SimProcess dropping({"--drop-after", "20"});
  Bytes doc(kImageSize, 0xFF);
  doc[0] = 0x12;
  WriteFile(Path("doc.dat"), doc);
  const CliRun run =
      RunCli({"write", "--port", good.Device(), "--port", dropping.Device(), QPath("doc.dat")});
  EXPECT_EQ(run.status, cli::kExitInterrupted) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(good.Device() + ": done")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(dropping.Device() + ": transfer interrupted"));
  EXPECT_TRUE(run.err.contains(dropping.Device() +
                               ": Write stopped at 2 %: the radio holds part "
                               "of the new data. Write it again before using the radio."))
      << run.err.toStdString();
  EXPECT_FALSE(run.err.contains(good.Device() + ": Write stopped"));
  good.Stop();
  EXPECT_EQ(ReadFile(Path("a.bin")).at(0), 0x12);
}

// Ctrl+C (or a TERM from a script) during a write: the run stops at its
// next block, the port is let go, and the user learns the radio holds only
// part of the new data. The radio is paced at 9600 baud, so the write is
// still going when the signal comes.
TEST_F(CliLinkTest, InterruptStopsAWriteAndSaysTheRadioIsPartlyWritten) {
  WriteFile(Path("doc.dat"), Bytes(kImageSize, 0x12));
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal);
    WriteFile(Path("radio.bin"), Bytes(kRadioMemorySize, 0x00));  // band type 0 is taken
    test::SimProcess sim({"--memory", QPath("radio.bin"), "--pace", "9600"});
    ASSERT_FALSE(sim.Device().isEmpty());
    QProcess cli;
    cli.setReadChannel(QProcess::StandardError);
    cli.start(kProgramDir + "/radioprog-cli", {"write", "--port", sim.Device(), QPath("doc.dat")});
    QString err;
    // Stderr is no terminal: progress comes as "PORT: 20/189" lines.
    while (!err.contains(": 20/189") && cli.waitForReadyRead(60000))
      err += QString::fromUtf8(cli.readAllStandardError());
    ASSERT_TRUE(err.contains(": 20/189")) << err.toStdString();
    ASSERT_EQ(::kill(static_cast<pid_t>(cli.processId()), signal), 0);
    ASSERT_TRUE(cli.waitForFinished(60000));
    err += QString::fromUtf8(cli.readAllStandardError());
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), cli::kExitInterrupted) << err.toStdString();
    EXPECT_TRUE(err.contains(sim.Device() + ": cancelled")) << err.toStdString();
    EXPECT_TRUE(
        err.contains(" %: the radio holds part of the new data. Write it again before "
                     "using the radio."))
        << err.toStdString();
    EXPECT_FALSE(err.contains("189/189")) << err.toStdString();
    QtSerialLink next;  // the port was let go
    EXPECT_TRUE(next.Open(sim.Device().toStdString()));
    next.Close();
    sim.Stop();
    const Bytes memory = ReadFile(Path("radio.bin"));
    ASSERT_EQ(memory.size(), kRadioMemorySize);
    EXPECT_EQ(memory[0], 0x12);                 // the first channel went in
    EXPECT_EQ(memory[0x0C2F], 0x00);            // the end of the channel area did not
    EXPECT_EQ(memory[kBandTypeAddress], 0x00);  // nor the final band type
  }
}

TEST_F(CliLinkTest, SimRefusesAForeignMemoryFileAndLeavesIt) {
  const Bytes foreign(100, 0x33);
  WriteFile(Path("short.bin"), foreign);
  QProcess sim;
  sim.start(kProgramDir + "/radioprog-sim", {"--memory", QPath("short.bin")});
  ASSERT_TRUE(sim.waitForFinished(kQuickMs));
  EXPECT_NE(sim.exitCode(), 0);
  EXPECT_EQ(ReadFile(Path("short.bin")), foreign);
  sim.start(kProgramDir + "/radioprog-sim", {"--pace", "fast"});
  ASSERT_TRUE(sim.waitForFinished(kQuickMs));
  EXPECT_EQ(sim.exitCode(), 2);
}

TEST_F(CliLinkTest, BadArgumentsAreUsageErrors) {
  EXPECT_EQ(RunCli({"read", "--port", "COM17", "-o", QPath("x.dat")}).status, cli::kExitUsage);
  EXPECT_EQ(RunCli({"read", "--port", "/dev/null"}).status, cli::kExitUsage);
  EXPECT_EQ(RunCli({"read", "--port", "COM1", "-o", "x", "--password", "12a"}).status,
            cli::kExitUsage);
  EXPECT_EQ(RunCli({"write", "--port", "COM1", "--port", "COM1", "x.dat"}).status, cli::kExitUsage);
  EXPECT_EQ(RunCli({"write", "x.dat"}).status, cli::kExitUsage);
}

// ------------------------------------------------------------ squelch tuning

constexpr std::size_t kSquelchImage = 0x17EE;
constexpr std::size_t kSquelchRadio = 0x0FF6;

TEST_F(CliLinkTest, SquelchWriteThenReadCarriesTheFourValues) {
  test::SimProcess sim({"--memory", QPath("radio.bin")});
  ASSERT_FALSE(sim.Device().isEmpty());
  CliRun run = RunCli({"new", "-o", QPath("doc.dat")});
  ASSERT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
  Bytes doc = ReadFile(Path("doc.dat"));
  ASSERT_EQ(doc.size(), kImageSize);
  // -55, a stored 55 (no list item: sent as it is), 54, and an invalid byte
  // that goes as its field's default (-34, 0x1E).
  const Bytes values = {0x09, 0x77, 0x76, 0x00};
  std::copy(values.begin(), values.end(), doc.begin() + kSquelchImage);
  WriteFile(Path("doc.dat"), doc);

  run = RunCli({"squelch-write", "--port", sim.Device(), QPath("doc.dat")});
  ASSERT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("Write Successfully")) << run.err.toStdString();
  EXPECT_EQ(ReadFile(Path("doc.dat")), doc);  // the document file is left alone

  // Read into a copy of the document: only the four bytes change.
  Bytes other = doc;
  std::fill_n(other.begin() + kSquelchImage, 4, 0x40);
  WriteFile(Path("other.dat"), other);
  run = RunCli({"squelch-read", "--port", sim.Device(), "--in", QPath("other.dat"), "-o",
                QPath("back.dat")});
  ASSERT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("Read Successfully")) << run.err.toStdString();
  Bytes expected = other;
  const Bytes sent = {0x09, 0x77, 0x76, 0x1E};
  std::copy(sent.begin(), sent.end(), expected.begin() + kSquelchImage);
  EXPECT_EQ(ReadFile(Path("back.dat")), expected);

  // The radio keeps them in its memory file.
  sim.Stop();
  const Bytes memory = ReadFile(Path("radio.bin"));
  ASSERT_EQ(memory.size(), kRadioMemorySize);
  EXPECT_EQ(Bytes(memory.begin() + kSquelchRadio, memory.begin() + kSquelchRadio + 4), sent);

  // info shows them as the dialog would.
  QProcess info;
  info.start(kProgramDir + "/radioprog-cli", {"info", QPath("back.dat")});
  ASSERT_TRUE(info.waitForFinished(kQuickMs));
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                  .contains("Squelch:       V wide -55, V narrow none (stored 55), U wide 54, "
                            "U narrow -34"));
}

TEST_F(CliLinkTest, SquelchFailuresKeepTheirExitStatusesAndSaveNothing) {
  {
    test::SimProcess sim(
        {"--drop-after", "0"});  // identifies, then never answers the squelch frame
    const CliRun run = RunCli({"squelch-read", "--port", sim.Device(), "-o", QPath("out.dat")});
    EXPECT_EQ(run.status, cli::kExitInterrupted) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(kInterruptText)) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Read Successfully"));
    EXPECT_FALSE(fs::exists(Path("out.dat")));
  }
  {
    test::SimProcess sim({"--bad-ack-after", "0", "--memory", QPath("radio.bin")});
    ASSERT_EQ(RunCli({"new", "-o", QPath("doc.dat")}).status, cli::kExitOk);
    const CliRun run = RunCli({"squelch-write", "--port", sim.Device(), QPath("doc.dat")});
    EXPECT_EQ(run.status, cli::kExitInterrupted) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(kInterruptText)) << run.err.toStdString();
  }
  {
    test::SimProcess sim({"--no-answer"});
    const CliRun run = RunCli({"squelch-read", "--port", sim.Device(), "-o", QPath("out.dat")});
    EXPECT_EQ(run.status, cli::kExitCommunication) << run.err.toStdString();
    EXPECT_FALSE(fs::exists(Path("out.dat")));
  }
  EXPECT_EQ(RunCli({"squelch-read", "--port", "COM1"}).status, cli::kExitUsage);
  EXPECT_EQ(RunCli({"squelch-write", "--port", "COM1", "-o", "x", "x.dat"}).status,
            cli::kExitUsage);
}

// ------------------------------------------------- Finding the radio

// COM1 … COM16 point at devices of this test for the run only; every port
// the test does not name is absent.
class FindRadioTest : public CliLinkTest {
 protected:
  void SetUp() override {
    CliLinkTest::SetUp();
    for (int n = 1; n <= 16; ++n) Point(n, QPath("absent.tty"));
  }
  void TearDown() override {
    for (int n = 1; n <= 16; ++n) qunsetenv(qPrintable(QString("RADIOPROG_PORT_COM%1").arg(n)));
  }
  void Point(int port, const QString& device) {
    qputenv(qPrintable(QString("RADIOPROG_PORT_COM%1").arg(port)), device.toUtf8());
  }
};

TEST_F(FindRadioTest, SkipsAHeldPortPassesASilentOneAndStopsAtTheRadio) {
  test::SimProcess held;
  test::SimProcess silent({"--no-answer"});
  test::SimProcess radio({"--memory", QPath("radio.bin"), "--stats"});
  test::SimProcess later;
  ASSERT_FALSE(held.Device().isEmpty() || silent.Device().isEmpty() || radio.Device().isEmpty() ||
               later.Device().isEmpty());
  QtSerialLink holder;  // a terminal program has COM1
  ASSERT_TRUE(holder.Open(held.Device().toStdString()));
  Point(1, held.Device());
  Point(2, silent.Device());
  Point(3, radio.Device());
  Point(4, later.Device());
  const Bytes memory = ReadFile(Path("radio.bin"));

  const CliRun run = RunCli({"find"});
  EXPECT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
  const QString pid = QString::number(QCoreApplication::applicationPid());
  EXPECT_EQ(run.out, "skipped COM1 (" + held.Device() + "): busy (process " + pid + ")\n" +
                         "trying COM2 (" + silent.Device() + ")\n" + "trying COM3 (" +
                         radio.Device() + ")\n" + "radio found on COM3 (" + radio.Device() + ")\n");
  // One wake-up and identify, nothing read from or written to the memory.
  radio.Stop();
  EXPECT_TRUE(radio.ErrorOutput().contains("bytes from PC 10,"))
      << radio.ErrorOutput().toStdString();
  EXPECT_EQ(ReadFile(Path("radio.bin")), memory);
  holder.Close();
}

TEST_F(FindRadioTest, NoRadioHasItsOwnStatusAndNamesThePortsTried) {
  test::SimProcess silent({"--no-answer"});
  ASSERT_FALSE(silent.Device().isEmpty());
  const CliRun none = RunCli({"find"});
  EXPECT_EQ(none.status, cli::kExitNoRadio);
  EXPECT_EQ(none.out, "no free serial port is present to try\n");
  const CliRun run = RunCli({"find", "--port", silent.Device(), "--port", QPath("gone.tty")});
  EXPECT_EQ(run.status, cli::kExitNoRadio) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("could not open " + QPath("gone.tty") + ": " + QPath("gone.tty") +
                               ": no such device"))
      << run.out.toStdString();
  EXPECT_TRUE(run.out.endsWith("no radio answered; tried " + silent.Device() + ", " +
                               QPath("gone.tty") + "\n"))
      << run.out.toStdString();
}

TEST_F(CliLinkTest, APulledCableEndsAWriteAtOnceAndSaysThePartWritten) {
  // At the real line speed a write takes seconds: the cable goes mid-way.
  test::SimProcess sim({"--pace", "9600"});
  ASSERT_FALSE(sim.Device().isEmpty());
  ASSERT_EQ(RunCli({"new", "-o", QPath("doc.dat")}).status, cli::kExitOk);
  QProcess cli;
  cli.start(kProgramDir + "/radioprog-cli", {"write", "--port", sim.Device(), QPath("doc.dat")});
  cli.setReadChannel(QProcess::StandardError);
  QByteArray err;
  while (!err.contains("/189") && cli.waitForReadyRead(20000)) err += cli.readAllStandardError();
  ASSERT_TRUE(err.contains("/189")) << err.toStdString();  // the blocks are going
  sim.Kill();
  // Ended by the lost link, not by the wake-up retries or a read timeout loop.
  ASSERT_TRUE(cli.waitForFinished(20000));
  err += cli.readAllStandardError();
  EXPECT_EQ(cli.exitCode(), cli::kExitInterrupted) << err.toStdString();
  EXPECT_TRUE(err.contains(kInterruptText)) << err.toStdString();
  EXPECT_TRUE(err.contains("Write it again before using the radio.")) << err.toStdString();
  EXPECT_FALSE(err.contains("Communication Error")) << err.toStdString();
}

TEST_F(CliLinkTest, WithSimLeavesTheUsersOwnPortChoiceAlone) {
  ASSERT_EQ(RunCli({"ports", "--set", "COM1", "/dev/serial/by-id/usb-cable"}).status, cli::kExitOk);
  QProcess script;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("RADIOPROG_BIN", kProgramDir);
  script.setProcessEnvironment(env);
  script.start("bash", {RADIOPROG_SOURCE_DIR "/scripts/with_sim.sh", kProgramDir + "/radioprog-cli",
                        "read", "--port", "COM1", "-o", QPath("radio.dat"), "--no-backup"});
  ASSERT_TRUE(script.waitForFinished(30000));
  EXPECT_EQ(script.exitCode(), cli::kExitOk) << script.readAllStandardError().toStdString();
  EXPECT_EQ(ReadFile(Path("radio.dat")).size(), kImageSize);  // COM1 was the virtual radio
  QProcess ports;
  ports.start(kProgramDir + "/radioprog-cli", {"ports"});
  ASSERT_TRUE(ports.waitForFinished(20000));
  EXPECT_TRUE(ports.readAllStandardOutput().startsWith("COM1   /dev/serial/by-id/usb-cable"));
}

}  // namespace
}  // namespace radio

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
