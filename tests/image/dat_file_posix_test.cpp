// Saving .dat files where POSIX systems differ: symbolic links, modes,
// pipes and devices, a file-size limit, process ids in temporary names.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "image/dat_file_fixture.h"
#include "support/ended_process.h"

namespace radio {
namespace {
using test::DatFileTest;
using test::Entries;
namespace fs = std::filesystem;

TEST_F(DatFileTest, SavingThroughALinkReplacesItsFileAndKeepsLinkAndPermissions) {
  fs::create_directory(dir_ / "real");
  std::string err;
  ASSERT_TRUE(SaveDatFile(dir_ / "real" / "radio.dat", Pattern(), err)) << err;
  fs::permissions(dir_ / "real" / "radio.dat", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(fs::path("real") / "radio.dat", dir_ / "link.dat");

  RadioImage changed = Pattern();
  changed[5] ^= 0xFF;
  ASSERT_TRUE(SaveDatFile(dir_ / "link.dat", changed, err)) << err;
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.dat"));
  RadioImage back{};
  ASSERT_TRUE(LoadDatFile(dir_ / "real" / "radio.dat", back, err));
  EXPECT_EQ(back, changed);
  EXPECT_EQ(fs::status(dir_ / "real" / "radio.dat").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  // The .bak of a private file is just as private.
  EXPECT_EQ(fs::status(dir_ / "link.dat.bak").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Entries(dir_ / "real"), 1u) << "no temporary file beside the real file";
}

TEST_F(DatFileTest, PipesAndDevicesAreNeverReplaced) {
  ASSERT_EQ(mkfifo((dir_ / "pipe.dat").c_str(), 0644), 0);
  // A link to a device: the save would go to the device itself.
  fs::create_symlink("/dev/null", dir_ / "device.dat");
  for (const char* name : {"pipe.dat", "device.dat"}) {
    std::string err;
    EXPECT_FALSE(WriteFileAtomically(dir_ / name, "x", 1, err)) << name;
    EXPECT_NE(err.find("not a regular file"), std::string::npos) << err;
    EXPECT_FALSE(SaveDatFile(dir_ / name, Pattern(), err)) << name;
  }
  EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.dat"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "device.dat"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(Entries(dir_), 2u) << "no .bak, no temporary file";
}

TEST_F(DatFileTest, AWriteThatFailsHalfwayLeavesTheOldFileAndNoTemporaryFile) {
  std::string err;
  ASSERT_TRUE(WriteFileAtomically(dir_ / "big.bin", "old", 3, err)) << err;
  // A file size limit stands in for a full disk: writes beyond it fail.
  struct rlimit before {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = before;
  small.rlim_cur = 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string data(64 * 1024, 'n');
  const bool written = WriteFileAtomically(dir_ / "big.bin", data.data(), data.size(), err);
  setrlimit(RLIMIT_FSIZE, &before);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(err.rfind("Cannot write \"", 0), 0u) << err;
  std::ifstream in(dir_ / "big.bin", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
  EXPECT_EQ(Entries(dir_), 1u);
}

TEST_F(DatFileTest, ASuccessfulSaveRemovesTemporaryFilesOfEndedSavesOnly) {
  // Left by a save that was killed and by one still running (this process).
  const std::string ended = std::to_string(test::EndedProcessId());
  const std::string stale = ".radio.dat." + ended + "-0a1b2c.tmp";
  const std::string running = ".radio.dat." + std::to_string(getpid()) + "-0a1b2c.tmp";
  const std::string other = ".other.dat." + ended + "-0a1b2c.tmp";
  for (const std::string& name : {stale, running, other}) WriteBytes(dir_ / name, 10);
  std::string err;
  ASSERT_TRUE(SaveDatFile(dir_ / "radio.dat", Pattern(), err)) << err;
  EXPECT_FALSE(fs::exists(dir_ / stale));
  EXPECT_TRUE(fs::exists(dir_ / running));
  EXPECT_TRUE(fs::exists(dir_ / other)) << "another file's leftovers wait for its own save";
}

}  // namespace
}  // namespace radio
