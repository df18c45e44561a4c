// Recovery files: the record's form, damaged files, and telling the files
// of a run that ended badly from those of a run still going.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include "safety/recovery_store.h"

namespace radio {
namespace {

RecoveryRecord Record(std::uint8_t fill, const QString& path = "/home/u/radio.dat") {
  RecoveryRecord r;
  r.pathName = path;
  r.title = "radio.dat";
  r.hasFile = true;
  r.savedAt = QDateTime(QDate(2026, 12, 7), QTime(15, 30, 12));
  r.image.fill(fill);
  r.image[100] = 0x00;
  r.image[kImageSize - 1] = 0x5A;
  return r;
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

TEST(RecoveryRecord, RoundTripsEveryField) {
  RecoveryRecord r = Record(0xC3, "/home/u/名字 with spaces.dat");
  r.hasFile = false;
  r.title = "信道信息";
  r.savedAt = QDateTime(QDate(2026, 12, 7), QTime(15, 30, 12, 345));  // the clock's milliseconds
  const auto back = ParseRecoveryRecord(SerialiseRecoveryRecord(r));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pathName, r.pathName);
  EXPECT_EQ(back->title, r.title);
  EXPECT_EQ(back->hasFile, false);
  EXPECT_EQ(back->savedAt, r.savedAt);
  EXPECT_EQ(back->image, r.image);
}

TEST(RecoveryRecord, RefusesAnythingButAWholeRecord) {
  const QByteArray good = SerialiseRecoveryRecord(Record(1));
  EXPECT_FALSE(ParseRecoveryRecord(good.left(good.size() / 2)));  // truncated
  EXPECT_FALSE(ParseRecoveryRecord(QByteArray()));
  EXPECT_FALSE(ParseRecoveryRecord("[1,2,3]"));
  EXPECT_FALSE(ParseRecoveryRecord(QByteArray(9000, '\xFF')));
  // Well-formed JSON with an image one byte short, or not base64.
  QByteArray shortImage = good;
  const QByteArray image =
      QByteArray(reinterpret_cast<const char*>(Record(1).image.data()), kImageSize).toBase64();
  shortImage.replace(image,
                     QByteArray(reinterpret_cast<const char*>(Record(1).image.data()), kImageSize - 1)
                         .toBase64());
  ASSERT_NE(shortImage, good);
  EXPECT_FALSE(ParseRecoveryRecord(shortImage));
  QByteArray notBase64 = good;
  notBase64.replace(image, "!!!!" + image.mid(4));
  EXPECT_FALSE(ParseRecoveryRecord(notBase64));
  QByteArray noPath = good;
  noPath.replace("\"pathName\"", "\"pathNome\"");
  EXPECT_FALSE(ParseRecoveryRecord(noPath));
}

class RecoveryStoreTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Folder() const { return dir_.path() + "/recovery"; }
  QTemporaryDir dir_;
};

TEST_F(RecoveryStoreTest, FilesOfEndedRunsAreFoundDamagedOnesMarked) {
  RecoveryStore store(Folder());
  QString error;
  ASSERT_TRUE(store.Write("111-aaaa", 1, Record(1), error)) << error.toStdString();
  ASSERT_TRUE(store.Write("111-aaaa", 2, Record(2, "/b.dat"), error));
  ASSERT_TRUE(store.Write("mine", 1, Record(3), error));
  WriteRaw(store.PathOf("222-bbbb", 1), SerialiseRecoveryRecord(Record(4)).left(100));
  WriteRaw(Folder() + "/notes.txt", "not ours");

  const QList<RecoveryLeftover> found = store.Leftovers("mine");
  ASSERT_EQ(found.size(), 3);
  int good = 0;
  for (const RecoveryLeftover& l : found) {
    EXPECT_FALSE(l.path.contains("mine"));
    if (l.record) {
      ++good;
      EXPECT_EQ(l.record->image[0], l.record->pathName == "/b.dat" ? 2 : 1);
    } else {
      EXPECT_EQ(l.path, store.PathOf("222-bbbb", 1));
    }
  }
  EXPECT_EQ(good, 2);
  // Looking took over the dead runs' locks and let them go again.
  EXPECT_FALSE(QFileInfo::exists(store.LockPathOf("111-aaaa")));
}

TEST_F(RecoveryStoreTest, FilesOfARunStillGoingAreLeftAlone) {
  RecoveryStore store(Folder());
  QString error;
  ASSERT_TRUE(store.Write("other", 1, Record(1), error));
  QLockFile running(store.LockPathOf("other"));
  running.setStaleLockTime(0);
  ASSERT_TRUE(running.tryLock(0));  // this process is alive: not stale
  EXPECT_TRUE(store.Leftovers("mine").isEmpty());
  running.unlock();
  EXPECT_EQ(store.Leftovers("mine").size(), 1);
}

TEST_F(RecoveryStoreTest, DamagedFilesAreSetAsideNotDeleted) {
  RecoveryStore store(Folder());
  ASSERT_TRUE(QDir().mkpath(Folder()));
  const QString path = store.PathOf("dead", 1);
  WriteRaw(path, "garbage");
  const QString aside = RecoveryStore::SetAside(path);
  ASSERT_FALSE(aside.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(path));
  QFile kept(aside);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "garbage");
  // A second damaged file of the same name gets its own place.
  WriteRaw(path, "more garbage");
  const QString second = RecoveryStore::SetAside(path);
  ASSERT_FALSE(second.isEmpty());
  EXPECT_NE(second, aside);
  EXPECT_TRUE(QFileInfo::exists(aside));
  // Set-aside files are not offered again.
  EXPECT_TRUE(store.Leftovers("mine").isEmpty());
}

}  // namespace
}  // namespace radio
