// Backup names, the backup folder (collisions, pruning, a folder that
// cannot be written) and the .bak kept when a .dat file is overwritten.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>

#include "base/ini_file.h"
#include "base/settings_store.h"
#include "image/band_limits.h"
#include "image/dat_file.h"
#include "safety/backup_name.h"
#include "safety/backup_store.h"
#include "support/run_program.h"

namespace radio {
namespace {

namespace fs = std::filesystem;

RadioImage ImageWith(std::uint8_t fill, int modelType = 0) {
  RadioImage image;
  image.fill(fill);
  WriteBandLimitBlock(image, EncodeBandLimits(BandLimits{13600000, 17400000, 40000000, 48000000}));
  image[0x17D1] = static_cast<std::uint8_t>(modelType);
  return image;
}

QDateTime At(int hour, int minute, int second) {
  return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second));
}

std::string Bytes(const QString& path) { return test::ReadAll(path.toStdString()); }

std::string BytesOf(const RadioImage& image) {
  return std::string(reinterpret_cast<const char*>(image.data()), image.size());
}

// ------------------------------------------------------------------ names

TEST(BackupName, NamesAreSafeOnEveryFileSystem) {
  EXPECT_EQ(SanitiseNamePart("RX 9000/UHF: \"pro\"*?"), "RX-9000-UHF-pro");
  EXPECT_EQ(SanitiseNamePart("..\\..\\etc"), "etc");
  EXPECT_EQ(SanitiseNamePart("a_b"), "a-b");  // '_' separates the name's parts
  EXPECT_EQ(SanitiseNamePart("\x01\t\n"), "");
  EXPECT_EQ(SanitiseNamePart("对讲机 V2"), "对讲机-V2");
  // Cut at 40 bytes, never inside a UTF-8 character.
  const std::string cut = SanitiseNamePart(std::string(39, 'x') + "机器");
  EXPECT_EQ(cut, std::string(39, 'x'));
}

TEST(BackupName, ModelAndBandsComeFromTheImageAndProgramIni) {
  QTemporaryDir dir;
  const std::string ini = dir.filePath("Program.ini").toStdString();
  {
    QFile f(QString::fromStdString(ini));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Setup]\nType1=Model A\nType2=Model/B 2\n");
  }
  CIniFile file;
  ASSERT_TRUE(file.LoadPath(ini, false, true, false));
  EXPECT_EQ(ModelNameOfImage(ImageWith(0, 1), file), "Model/B 2");
  EXPECT_EQ(BackupModelText(ImageWith(0, 1), "Model/B 2"), "Model-B-2");
  // A model Program.ini does not name is shown by its number.
  EXPECT_EQ(ModelNameOfImage(ImageWith(0, 7), file), "");
  EXPECT_EQ(BackupModelText(ImageWith(0, 7), ""), "type7");
  EXPECT_EQ(BackupBandText(ImageWith(0)), "136-174_400-480");
}

TEST(BackupName, FileNamesRoundTripAndSortNewestFirst) {
  const BackupStamp stamp{2026, 12, 7, 15, 30, 12};
  EXPECT_EQ(BackupFileName(stamp, "M", "136-174_400-480"), "2026-12-07_153012_M_136-174_400-480.dat");
  EXPECT_EQ(BackupFileName(stamp, "M", "1-2_3-4", 3), "2026-12-07_153012-3_M_1-2_3-4.dat");

  const auto plain = ParseBackupFileName("2026-12-07_153012_M_136-174_400-480.dat");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->stamp, stamp);
  EXPECT_EQ(plain->sequence, 1);
  EXPECT_EQ(plain->model, "M");
  EXPECT_EQ(plain->band, "136-174_400-480");
  const auto second = ParseBackupFileName("2026-12-07_153012-2_M_136-174_400-480.dat");
  ASSERT_TRUE(second);
  EXPECT_EQ(second->sequence, 2);
  EXPECT_TRUE(IsNewerBackup(*second, *plain));
  EXPECT_FALSE(IsNewerBackup(*plain, *second));
  const auto later = ParseBackupFileName("2026-12-07_153013_M_136-174_400-480.dat");
  ASSERT_TRUE(later);
  EXPECT_TRUE(IsNewerBackup(*later, *second));

  // Only our own names: a user's files in the folder are never listed or pruned.
  for (const char* other : {"radio.dat", "2026-12-07_153012.dat", "2026-12-07_153012_M.dat",
                            "2026-12-07_153012_M_x.txt", "2026-1x-07_153012_M_x.dat",
                            "2026-12-07_153012-1_M_x.dat", "2026-12-07_153012-_M_x.dat"})
    EXPECT_FALSE(ParseBackupFileName(other)) << other;
}

// ----------------------------------------------------------------- folder

class BackupStoreTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Folder() const { return dir_.path() + "/backups"; }
  QTemporaryDir dir_;
};

TEST_F(BackupStoreTest, SavesTheImageUntouchedUnderAFreeName) {
  BackupStore store(Folder(), 100);
  QString error;
  const RadioImage first = ImageWith(0x11, 0);
  const QString a = store.Save(first, At(15, 30, 12), "Model A", error);
  ASSERT_FALSE(a.isEmpty()) << error.toStdString();
  EXPECT_EQ(QFileInfo(a).fileName(), "2026-12-07_153012_Model-A_136-174_400-480.dat");
  EXPECT_EQ(Bytes(a), BytesOf(first));
  // A second read in the same second never replaces the first.
  const RadioImage second = ImageWith(0x22, 0);
  const QString b = store.Save(second, At(15, 30, 12), "Model A", error);
  ASSERT_FALSE(b.isEmpty());
  EXPECT_NE(a, b);
  EXPECT_EQ(Bytes(a), BytesOf(first));
  EXPECT_EQ(Bytes(b), BytesOf(second));
  EXPECT_FALSE(QFileInfo::exists(a + ".bak"));

  const QList<BackupEntry> list = store.List();
  ASSERT_EQ(list.size(), 2);
  EXPECT_EQ(list[0].path, b);  // newest first
  EXPECT_EQ(list[1].path, a);
  EXPECT_EQ(list[0].size, qint64(kImageSize));
  // Nothing but the two copies: no temporary files left behind.
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(BackupStoreTest, PruningKeepsTheNewestAndLeavesOtherFilesAlone) {
  ASSERT_TRUE(QDir().mkpath(Folder()));
  QFile mine(Folder() + "/my radio.dat");
  ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
  mine.close();
  BackupStore store(Folder(), 3);
  QString error;
  QStringList saved;
  // Saved out of time order: pruning goes by the time in the name.
  for (int second : {5, 1, 4, 2, 3}) {
    saved << store.Save(ImageWith(std::uint8_t(second)), At(10, 0, second), "M", error);
    ASSERT_FALSE(saved.back().isEmpty());
  }
  const QList<BackupEntry> list = store.List();
  ASSERT_EQ(list.size(), 3);
  EXPECT_EQ(list[0].parts.stamp.second, 5);
  EXPECT_EQ(list[1].parts.stamp.second, 4);
  EXPECT_EQ(list[2].parts.stamp.second, 3);
  EXPECT_TRUE(QFileInfo::exists(Folder() + "/my radio.dat"));
  // A smaller number kept takes effect on the next prune.
  BackupStore(Folder(), 1).Prune();
  ASSERT_EQ(store.List().size(), 1);
  EXPECT_EQ(store.List()[0].parts.stamp.second, 5);
}

TEST_F(BackupStoreTest, AFolderThatCannotBeMadeFailsCleanly) {
  // A file where the folder should be: no user, not even root, can write there.
  QFile blocker(Folder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.write("x");
  blocker.close();
  BackupStore store(Folder(), 100);
  QString error;
  EXPECT_TRUE(store.Save(ImageWith(1), At(1, 2, 3), "M", error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(store.List().isEmpty());
  EXPECT_EQ(Bytes(Folder()), "x");
}

TEST_F(BackupStoreTest, NumberKeptComesFromTheSettingsStore) {
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  SettingsStore store("safety-test");
  EXPECT_EQ(BackupsKept(store), kDefaultBackupsKept);
  store.SetValue(kBackupsKeptValue, 7);
  EXPECT_EQ(BackupsKept(store), 7);
  for (const QVariant& bad : {QVariant(0), QVariant(-3), QVariant("many")}) {
    store.SetValue(kBackupsKeptValue, bad);
    EXPECT_EQ(BackupsKept(store), kDefaultBackupsKept) << bad.toString().toStdString();
  }
}

// -------------------------------------------------------------------- .bak

class BakTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  fs::path Path(const char* name) const { return fs::path(dir_.path().toStdString()) / name; }
  QTemporaryDir dir_;
};

TEST_F(BakTest, OverwritingKeepsThePreviousFileAsBak) {
  const fs::path file = Path("radio.dat");
  std::string error;
  ASSERT_TRUE(SaveDatFile(file, ImageWith(0x01), error));
  EXPECT_FALSE(fs::exists(Path("radio.dat.bak")));  // nothing was overwritten
  ASSERT_TRUE(SaveDatFile(file, ImageWith(0x02), error));
  EXPECT_EQ(test::ReadAll(Path("radio.dat.bak")), BytesOf(ImageWith(0x01)));
  EXPECT_EQ(test::ReadAll(file), BytesOf(ImageWith(0x02)));
  // The next save replaces the older .bak.
  ASSERT_TRUE(SaveDatFile(file, ImageWith(0x03), error));
  EXPECT_EQ(test::ReadAll(Path("radio.dat.bak")), BytesOf(ImageWith(0x02)));
  EXPECT_EQ(test::ReadAll(file), BytesOf(ImageWith(0x03)));
  // Whatever the old file held is kept, even a file too short to open.
  {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "short";
  }
  ASSERT_TRUE(SaveDatFile(file, ImageWith(0x04), error));
  EXPECT_EQ(test::ReadAll(Path("radio.dat.bak")), "short");
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_.path().toStdString()))
    ++files;
  EXPECT_EQ(files, 2u);  // no temporary files left
}

TEST_F(BakTest, ABakThatCannotBeMadeDoesNotStopTheSave) {
  const fs::path file = Path("radio.dat");
  std::string error;
  ASSERT_TRUE(SaveDatFile(file, ImageWith(0x01), error));
  // A folder named like the .bak: the copy cannot be renamed over it.
  fs::create_directory(Path("radio.dat.bak"));
  std::ofstream(Path("radio.dat.bak") / "inside") << "keep";
  EXPECT_FALSE(KeepBakCopy(file));
  ASSERT_TRUE(SaveDatFile(file, ImageWith(0x02), error)) << error;
  EXPECT_EQ(test::ReadAll(file), BytesOf(ImageWith(0x02)));
  EXPECT_EQ(test::ReadAll(Path("radio.dat.bak") / "inside"), "keep");
  EXPECT_FALSE(KeepBakCopy(Path("missing.dat")));
  EXPECT_FALSE(fs::exists(Path("missing.dat.bak")));
}

TEST_F(BakTest, AFailedSaveLeavesFileAndBakAsTheyWere) {
  const fs::path file = Path("radio.dat");
  std::string error;
  ASSERT_TRUE(SaveDatFile(file, ImageWith(0x01), error));
  ASSERT_TRUE(SaveDatFile(file, ImageWith(0x02), error));
  // A save into a folder that does not exist fails without touching anything.
  EXPECT_FALSE(SaveDatFile(Path("nowhere") / "radio.dat", ImageWith(0x03), error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(test::ReadAll(file), BytesOf(ImageWith(0x02)));
  EXPECT_EQ(test::ReadAll(Path("radio.dat.bak")), BytesOf(ImageWith(0x01)));
  // The final rename fails (a folder holds the name): the folder and what
  // it holds stay, no .bak and no temporary file appear.
  fs::create_directory(Path("folder.dat"));
  std::ofstream(Path("folder.dat") / "inside") << "keep";
  error.clear();
  EXPECT_FALSE(SaveDatFile(Path("folder.dat"), ImageWith(0x03), error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(test::ReadAll(Path("folder.dat") / "inside"), "keep");
  EXPECT_FALSE(fs::exists(Path("folder.dat.bak")));
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_.path().toStdString()))
    ++files;
  EXPECT_EQ(files, 3u);
}

}  // namespace
}  // namespace radio
