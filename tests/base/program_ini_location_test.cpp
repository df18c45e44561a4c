// Which Program.ini a run uses: the program directory's own file, or a
// per-user copy of an installed read-only one that keeps the user's language
// across updates.
#include "base/program_ini_location.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "base/ini_file.h"

namespace radio {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& data, const QDateTime& modified) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(f.write(data), data.size());
  ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
}

std::string Value(const QString& path, const char* section, const char* key) {
  CIniFile ini;
  EXPECT_TRUE(ini.LoadPath(path.toStdString(), false, true, false));
  return ini.Get(section, key, "");
}

class ProgramIniLocationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    programDir_ = root_.path() + "/lib/radioprog/";
    userDir_ = root_.path() + "/home/.config/radioprog";
    ASSERT_TRUE(QDir().mkpath(programDir_));
    WriteAll(programDir_ + "Program.ini", kInstalled, Older());
  }
  static QDateTime Older() { return QDateTime::currentDateTime().addDays(-2); }
  QString UserCopy() const { return userDir_ + "/Program.ini"; }

  static inline const QByteArray kInstalled =
      "[Setup]\nLanguage=English\nAppName=radioprog\n[English]\nVersion=Version 0.1.0\n";
  QTemporaryDir root_;
  QString programDir_;
  QString userDir_;
};

TEST_F(ProgramIniLocationTest, WritableProgramDirectoryKeepsItsOwnFile) {
  EXPECT_EQ(ProgramIniPath(programDir_, userDir_, true), programDir_ + "Program.ini");
  EXPECT_FALSE(QFile::exists(UserCopy()));
  EXPECT_TRUE(ProgramIniWritable(programDir_));
}

TEST_F(ProgramIniLocationTest, ReadOnlyInstallGetsAUserCopyOnceAndKeepsTheUsersChoice) {
  ASSERT_EQ(ProgramIniPath(programDir_, userDir_, false), UserCopy());
  EXPECT_EQ(ReadAll(UserCopy()), kInstalled);

  // The user picks Chinese; the next start must not take it away again.
  {
    CIniFile ini;
    ASSERT_TRUE(ini.LoadPath(UserCopy().toStdString(), false, true, false));
    ini.Set("Setup", "Language", "Chinese");
    ini.Save(false);
    ASSERT_TRUE(ini.LastSaveOk());
  }
  EXPECT_EQ(ProgramIniPath(programDir_, userDir_, false), UserCopy());
  EXPECT_EQ(Value(UserCopy(), "Setup", "Language"), "Chinese");
  EXPECT_EQ(ReadAll(programDir_ + "Program.ini"), kInstalled);
}

TEST_F(ProgramIniLocationTest, UpdatedInstallRefreshesTheCopyButKeepsTheLanguage) {
  ASSERT_EQ(ProgramIniPath(programDir_, userDir_, false), UserCopy());
  {
    CIniFile ini;
    ASSERT_TRUE(ini.LoadPath(UserCopy().toStdString(), false, true, false));
    ini.Set("Setup", "Language", "Chinese");
    ini.Save(false);
  }
  QFile copy(UserCopy());
  ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
  ASSERT_TRUE(copy.setFileTime(Older(), QFileDevice::FileModificationTime));
  copy.close();

  // A newer package brings a new version text.
  QByteArray updated = kInstalled;
  updated.replace("0.1.0", "0.2.0");
  WriteAll(programDir_ + "Program.ini", updated, QDateTime::currentDateTime().addDays(-1));

  ASSERT_EQ(ProgramIniPath(programDir_, userDir_, false), UserCopy());
  EXPECT_EQ(Value(UserCopy(), "English", "Version"), "Version 0.2.0");
  EXPECT_EQ(Value(UserCopy(), "Setup", "Language"), "Chinese");
  EXPECT_EQ(Value(UserCopy(), "Setup", "AppName"), "radioprog");
}

TEST_F(ProgramIniLocationTest, NoPlaceForACopyFallsBackToTheInstalledFileUntouched) {
  // The user's configuration "directory" is a plain file: nothing can be made there.
  const QString blocked = root_.path() + "/blocked";
  WriteAll(blocked, "x", QDateTime::currentDateTime());
  EXPECT_EQ(ProgramIniPath(programDir_, blocked + "/radioprog", false),
            programDir_ + "Program.ini");
  EXPECT_EQ(ReadAll(programDir_ + "Program.ini"), kInstalled);
  EXPECT_EQ(ReadAll(blocked), "x");
}

TEST_F(ProgramIniLocationTest, ABrokenUserCopyIsSetAsideAndMadeAgain) {
  ASSERT_TRUE(QDir().mkpath(userDir_));
  // Newer than the installed file, so only its being broken replaces it.
  WriteAll(UserCopy(), "", QDateTime::currentDateTime());
  EXPECT_EQ(ProgramIniPath(programDir_, userDir_, false), UserCopy());
  EXPECT_EQ(ReadAll(UserCopy()), kInstalled);
  EXPECT_TRUE(QFileInfo(UserCopy() + ".broken").isFile()) << "set aside, not deleted";

  WriteAll(UserCopy(),
           QByteArray("\x7F"
                      "ELF\0\0\0",
                      7),
           QDateTime::currentDateTime());
  EXPECT_EQ(ProgramIniPath(programDir_, userDir_, false), UserCopy());
  EXPECT_EQ(ReadAll(UserCopy()), kInstalled);
  EXPECT_EQ(ReadAll(UserCopy() + ".broken-2"), QByteArray("\x7F"
                                                          "ELF\0\0\0",
                                                          7));

  ASSERT_TRUE(QFile::remove(UserCopy()));
  ASSERT_TRUE(QDir().mkdir(UserCopy()));
  EXPECT_EQ(ProgramIniPath(programDir_, userDir_, false), UserCopy());
  EXPECT_EQ(ReadAll(UserCopy()), kInstalled);
  EXPECT_TRUE(QFileInfo(UserCopy() + ".broken-3").isDir());
}

TEST_F(ProgramIniLocationTest, MissingInstalledFileUsesTheUsersOwn) {
  ASSERT_TRUE(QFile::remove(programDir_ + "Program.ini"));
  EXPECT_EQ(ProgramIniPath(programDir_, userDir_, false), UserCopy());
  EXPECT_TRUE(ProgramIniWritable(programDir_));  // the directory is ours
}

}  // namespace
}  // namespace radio
