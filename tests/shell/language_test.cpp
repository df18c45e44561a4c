// The language switch (Program.ini written before the restart, which exit
// carries out only after a close that went through), the About box texts
// and the splash screen.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "base/app_context.h"
#include "shell/about_dlg.h"
#include "shell/language_dlg.h"
#include "shell/main_frame.h"
#include "shell/restart.h"
#include "shell/splash_wnd.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

class LanguageTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    CSplashWnd::ResetForNewRun();
    CancelRestart();
    // Every restart request is recorded with Program.ini as it is then.
    SetRestartLauncher([this] {
      iniAtRestart_.push_back(ReadIni());
      return launchSucceeds_;
    });
    CProgramApp::SetSplashWait([this](int ms) {
      waits_.push_back(ms);
      for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<CMainFrame*>(w)) ++framesDuringWait_;
    });
  }
  void TearDown() override {
    SetRestartLauncher({});
    CProgramApp::SetSplashWait({});
    CSplashWnd::ResetForNewRun();
    CancelRestart();
    ShellTest::TearDown();
  }
  QString ReadIni() const {
    QFile file(ProgramDir() + "Program.ini");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
  void WriteIni(const QString& text) {
    QFile file(ProgramDir() + "Program.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
  }

  std::vector<QString> iniAtRestart_;
  std::vector<int> waits_;
  int framesDuringWait_ = 0;  // main frames that existed while the splash waited
  bool launchSucceeds_ = true;
};

TEST_F(LanguageTest, SelectionFollowsTheRunningLanguage) {
  WriteProgramIni("Chinese");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(CLanguageDlg().Selection(), 1);
  app_ = std::make_unique<CProgramApp>();
  WriteProgramIni("English");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(CLanguageDlg().Selection(), 0);
}

TEST_F(LanguageTest, RunningLanguageChangesNothingAndDoesNotRestart) {
  WriteProgramIni("Chinese");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  const QString before = ReadIni();
  CLanguageDlg::Apply(*frame, 1);
  EXPECT_EQ(ReadIni(), before);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_FALSE(RestartRequested());
  app_->ExitInstance();
  EXPECT_TRUE(iniAtRestart_.empty());
}

TEST_F(LanguageTest, SwitchWritesProgramIniKeepingEveryKeyThenRestartsAtExit) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  CLanguageDlg::Apply(*frame, 1);
  // On disk at once, before the window closes.
  EXPECT_TRUE(ReadIni().contains("Language=Chinese"));
  EXPECT_FALSE(ReadIni().contains("Language=English"));
  EXPECT_FALSE(frame->isVisible());
  EXPECT_TRUE(iniAtRestart_.empty()) << "the restart waits for the end of exit";
  app_->ExitInstance();
  ASSERT_EQ(iniAtRestart_.size(), 1u);
  const QString ini = iniAtRestart_.front();
  for (const char* line :
       {"[Setup]", "Language=Chinese", "AppName=radioprog-test", "ShowLang=1", "Type1=Model A",
        "[English]", "Title=Test Title", "Company=Test Company", "[Chinese]", "Company=测试公司"})
    EXPECT_TRUE(ini.contains(QString::fromUtf8(line))) << line;
  EXPECT_TRUE(messages_.empty());
}

TEST_F(LanguageTest, CancelledCloseStartsNothingAndSaysWhenTheLanguageApplies) {
  WriteProgramIni("Chinese");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  frame->ActiveDocument()->SetModifiedFlag();
  answers_ = {QMessageBox::Cancel};  // keep the modified document
  CLanguageDlg::Apply(*frame, 0);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(ReadIni().contains("Language=English"));
  ASSERT_EQ(messages_.size(), 2u);  // the save question, then the note
  EXPECT_EQ(messages_.back().icon, QMessageBox::Information);
  EXPECT_TRUE(messages_.back().text.contains(QString::fromUtf8("下次")))
      << messages_.back().text.toStdString();
  app_->ExitInstance();
  EXPECT_TRUE(iniAtRestart_.empty());
}

TEST_F(LanguageTest, UnwritableProgramIniIsReportedAndNothingCloses) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  // A directory where Program.ini was: no way to write it, even as root.
  ASSERT_TRUE(QFile::remove(ProgramDir() + "Program.ini"));
  ASSERT_TRUE(QDir(ProgramDir()).mkdir("Program.ini"));
  CLanguageDlg::Apply(*frame, 1);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_FALSE(RestartRequested());
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_.front().icon, QMessageBox::Critical);
  EXPECT_TRUE(messages_.front().text.contains("Program.ini"));
}

TEST_F(LanguageTest, RestartThatCannotStartIsReported) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  launchSucceeds_ = false;
  CLanguageDlg::Apply(*frame, 1);
  app_->ExitInstance();
  EXPECT_EQ(iniAtRestart_.size(), 1u);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_.front().text.contains("could not be started"));
}

TEST_F(LanguageTest, AboutBoxTakesItsTextsFromTheLanguageSection) {
  WriteIni(QString::fromUtf8(
      "[Setup]\nLanguage=Chinese\nAppName=radioprog-test\n"
      "[English]\nAbout Title=About EN\nVersion=V EN\nCopyrights=C EN\nCopyrights Owner=O EN\n"
      "[Chinese]\nAbout Title=关于\nVersion=\nCopyrights=版权 2026\n"));
  ASSERT_NE(Start(), nullptr);
  CAboutDlg about;
  EXPECT_EQ(about.windowTitle(), QString::fromUtf8("关于"));
  EXPECT_EQ(about.VersionLine(), "");  // empty value
  EXPECT_EQ(about.NoticeLine(), QString::fromUtf8("版权 2026"));
  EXPECT_EQ(about.OwnerLine(), "");  // missing key
  EXPECT_TRUE(about.ShowsProgramIcon());
  RemoveFromProgramDir("title.ico");
  EXPECT_FALSE(CAboutDlg().ShowsProgramIcon());
}

TEST_F(LanguageTest, SplashShowsThePictureOnceAndStartUpWaits) {
  ASSERT_TRUE(QFile::copy(RADIOPROG_PROGRAM_DIR "/startup.bmp", ProgramDir() + "startup.bmp"));
  WriteProgramIni("English");
  ASSERT_NE(Start(), nullptr);
  CSplashWnd* splash = CSplashWnd::Current();
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(splash->size(), QPixmap(ProgramDir() + "startup.bmp").size());
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(waits_, std::vector<int>{1000});
  EXPECT_EQ(framesDuringWait_, 0) << "the wait comes before the main frame is created";
  EXPECT_FALSE(CSplashWnd::ShowSplashScreen(ProgramDir(), true)) << "at most once per run";
}

TEST_F(LanguageTest, NoSplashWithoutPictureOrWithTheSwitchAndNoWaiting) {
  WriteProgramIni("English");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  ASSERT_TRUE(QFile::copy(RADIOPROG_PROGRAM_DIR "/startup.bmp", ProgramDir() + "startup.bmp"));
  app_ = std::make_unique<CProgramApp>();
  ASSERT_NE(Start({"--no-splash"}), nullptr);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  EXPECT_TRUE(waits_.empty());
}

// Counts the key presses that reach the main window.
class KeyCounter : public QObject {
 public:
  int presses = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++presses;
    return false;
  }
};

TEST_F(LanguageTest, KeyPressRemovesTheSplashAndGoesNoFurther) {
  ASSERT_TRUE(QFile::copy(RADIOPROG_PROGRAM_DIR "/startup.bmp", ProgramDir() + "startup.bmp"));
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(CSplashWnd::Current(), nullptr);
  KeyCounter counter;
  frame->installEventFilter(&counter);
  QTest::keyClick(frame, Qt::Key_A);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  EXPECT_EQ(counter.presses, 0);
  QTest::keyClick(frame, Qt::Key_A);  // with the splash gone, keys arrive again
  EXPECT_EQ(counter.presses, 1);
}

}  // namespace
}  // namespace radio::test
