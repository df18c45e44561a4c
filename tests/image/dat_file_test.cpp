#include "image/dat_file.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <numeric>

#include "support/ended_process.h"

namespace radio {
namespace {
namespace fs = std::filesystem;

class DatFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("radioprog-dat-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  void WriteBytes(const fs::path& p, std::size_t n, std::uint8_t base = 0) {
    std::ofstream out(p, std::ios::binary);
    for (std::size_t i = 0; i < n; ++i) out.put(static_cast<char>((i + base) & 0xFF));
  }
  static RadioImage Pattern() {
    RadioImage img;
    std::iota(img.begin(), img.end(), std::uint8_t{7});
    return img;
  }
  fs::path dir_;
};

TEST_F(DatFileTest, SaveThenLoadGivesTheSameBytes) {
  const RadioImage img = Pattern();
  std::string err;
  ASSERT_TRUE(SaveDatFile(dir_ / "a.dat", img, err)) << err;
  EXPECT_EQ(fs::file_size(dir_ / "a.dat"), kImageSize);
  RadioImage back{};
  ASSERT_TRUE(LoadDatFile(dir_ / "a.dat", back, err)) << err;
  EXPECT_EQ(back, img);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(DatFileTest, ShortEmptyOrMissingFilesAreRefusedAndChangeNothing) {
  RadioImage img = Pattern();
  const RadioImage before = img;
  std::string err;
  WriteBytes(dir_ / "short.dat", kImageSize - 1);
  EXPECT_FALSE(LoadDatFile(dir_ / "short.dat", img, err));
  EXPECT_NE(err.find("too short"), std::string::npos);
  WriteBytes(dir_ / "empty.dat", 0);
  EXPECT_FALSE(LoadDatFile(dir_ / "empty.dat", img, err));
  EXPECT_NE(err.find("empty"), std::string::npos);
  EXPECT_FALSE(LoadDatFile(dir_ / "missing.dat", img, err));
  EXPECT_EQ(img, before);
  // A Chinese run says the same in Chinese.
  EXPECT_FALSE(LoadDatFile(dir_ / "short.dat", img, err, Language::Chinese));
  EXPECT_NE(err.find("太短（6143 个字节）"), std::string::npos) << err;
}

TEST_F(DatFileTest, LongerFileLoadsItsFirst6144Bytes) {
  WriteBytes(dir_ / "long.dat", kImageSize + 1, 3);
  RadioImage img{};
  std::string err;
  ASSERT_TRUE(LoadDatFile(dir_ / "long.dat", img, err));
  EXPECT_EQ(img[0], 3);
  EXPECT_EQ(img[kImageSize - 1], static_cast<std::uint8_t>((kImageSize - 1 + 3) & 0xFF));
}

TEST_F(DatFileTest, FailedSaveLeavesTheExistingFileIntact) {
  const RadioImage old = Pattern();
  std::string err;
  ASSERT_TRUE(SaveDatFile(dir_ / "keep.dat", old, err));
  RadioImage other;
  other.fill(0x11);
  // The target is a directory: the rename fails after the data was written.
  fs::create_directories(dir_ / "adir.dat" / "x");
  EXPECT_FALSE(SaveDatFile(dir_ / "adir.dat", other, err));
  EXPECT_FALSE(err.empty());
  EXPECT_TRUE(fs::is_directory(dir_ / "adir.dat"));
  // An unwritable folder: nothing is created and the old file stays.
  if (geteuid() != 0) {
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(SaveDatFile(dir_ / "keep.dat", other, err));
    fs::permissions(dir_, fs::perms::owner_all);
  }
  RadioImage back{};
  ASSERT_TRUE(LoadDatFile(dir_ / "keep.dat", back, err));
  EXPECT_EQ(back, old);
  // Only the two entries remain (no stray temporary file).
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(DatFileTest, AFolderIsNamedAsOne) {
  fs::create_directory(dir_ / "folder.dat");
  RadioImage img{};
  std::string err;
  EXPECT_FALSE(LoadDatFile(dir_ / "folder.dat", img, err));
  EXPECT_NE(err.find("is a folder"), std::string::npos) << err;
  EXPECT_FALSE(LoadDatFile(dir_ / "folder.dat", img, err, Language::Chinese));
  EXPECT_NE(err.find("文件夹"), std::string::npos) << err;
}

std::size_t Entries(const fs::path& dir) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

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

TEST_F(DatFileTest, ABakThatIsAFolderGivesAWarningAndTheSaveGoesAhead) {
  std::string err, warning;
  ASSERT_TRUE(SaveDatFile(dir_ / "radio.dat", Pattern(), err, Language::English, &warning));
  EXPECT_EQ(warning, "") << "nothing to keep yet";
  fs::create_directory(dir_ / "radio.dat.bak");
  RadioImage changed{};
  ASSERT_TRUE(SaveDatFile(dir_ / "radio.dat", changed, err, Language::English, &warning)) << err;
  EXPECT_NE(warning.find("radio.dat.bak\" is a folder"), std::string::npos) << warning;
  EXPECT_TRUE(fs::is_directory(dir_ / "radio.dat.bak"));
  RadioImage back = Pattern();
  ASSERT_TRUE(LoadDatFile(dir_ / "radio.dat", back, err));
  EXPECT_EQ(back, changed);
}

}  // namespace
}  // namespace radio
