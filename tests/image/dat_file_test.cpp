#include "image/dat_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "image/dat_file_fixture.h"

namespace radio {
namespace {
using test::DatFileTest;
namespace fs = std::filesystem;

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
#ifndef _WIN32
  if (geteuid() != 0) {
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(SaveDatFile(dir_ / "keep.dat", other, err));
    fs::permissions(dir_, fs::perms::owner_all);
  }
#endif
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
