// Start-up and exit of the desktop program: Program.ini, the language, the
// band-limit bytes in the settings store, the catalog, the menus.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>

#include "base/app_context.h"
#include "base/settings_store.h"
#include "image/band_limits.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/navigation_bar.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

QStringList Texts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions())
    texts << (action->isSeparator() ? "-" : action->text());
  return texts;
}

bool HasCommand(const QMenu* menu, int id) {
  for (const QAction* action : menu->actions())
    if (!action->isSeparator() && action->data().toInt() == id) return true;
  return false;
}

using StartupTest = ShellTest;

TEST_F(StartupTest, StoredFieldOfAllFfIsNormalisedUsedAndWrittenBack) {
  WriteProgramIni("English");
  SettingsStore("radioprog-test").WriteField({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(App().band.bytes, kDefaultBandLimitBytes);
  ASSERT_EQ(frame->DocumentFrames().size(), 1);
  EXPECT_EQ(ReadBandLimitBlock(frame->ActiveDocument()->Image()), kDefaultBandLimitBytes);
  app_->ExitInstance();
  EXPECT_EQ(SettingsStore("radioprog-test").ReadField(), kDefaultBandLimitBytes);
}

TEST_F(StartupTest, StoredFieldIsKeptAndReachesNewDocuments) {
  WriteProgramIni("English");
  const BandLimitBytes stored = {0x13, 0x61, 0x74, 0x40, 0x04, 0x70};
  SettingsStore("radioprog-test").WriteField(stored);
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(ReadBandLimitBlock(frame->ActiveDocument()->Image()), stored);
  // A change made during the run (Product Information) is what exit keeps.
  App().band.bytes = {0x14, 0x41, 0x74, 0x40, 0x04, 0x80};
  app_->ExitInstance();
  EXPECT_EQ(SettingsStore("radioprog-test").ReadField(),
            (BandLimitBytes{0x14, 0x41, 0x74, 0x40, 0x04, 0x80}));
}

TEST_F(StartupTest, MissingFieldStartsWithTheDefaultBandOfTheNewDocument) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(ReadBandLimitBlock(frame->ActiveDocument()->Image()), kDefaultBandLimitBytes);
  app_->ExitInstance();
  EXPECT_EQ(SettingsStore("radioprog-test").ReadField(), kDefaultBandLimitBytes);
}

TEST_F(StartupTest, MissingCatalogEndsStartUpWithTheMessageBeforeAnyWindow) {
  WriteProgramIni("English");
  RemoveFromProgramDir("English.qm");
  EXPECT_EQ(Start(), nullptr);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "Load language DLL fail");
  EXPECT_EQ(app_->MainFrame(), nullptr);

  messages_.clear();
  WriteProgramIni("Chinese");
  RemoveFromProgramDir("Chinese.qm");
  EXPECT_EQ(Start(), nullptr);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, QString::fromUtf8("加载语言链接库失败"));

  messages_.clear();
  WriteProgramIni("");  // no language at all: no catalog to load
  EXPECT_EQ(Start(), nullptr);
  EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(StartupTest, AnUnusableProgramIniIsNamedUnderTheMessageAndNeverMadeEmpty) {
  const QString ini = ProgramDir() + "Program.ini";
  const auto write = [&](const QByteArray& bytes) {
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  };
  QByteArray large = "[Setup]\nLanguage=English\n";
  large += QByteArray(1024 * 1024, ';');
  const struct {
    std::function<void()> make;
    const char* fault;
  } cases[] = {
      {[&] { QFile::remove(ini); }, "is missing"},
      {[&] { write(""); }, "is empty"},
      {[&] { write("just some words\nand more\n"); }, "names no language (Language in [Setup])"},
      {[&] {
         write(
             QByteArray("\x7F"
                        "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                        16));
       },
       "is not a text file"},
      {[&] { write(large); }, "is larger than 1 MB"},
      {[&] {
         QFile::remove(ini);
         QDir().mkdir(ini);
       },
       "is a folder"},
  };
  for (const auto& c : cases) {
    c.make();
    messages_.clear();
    app_ = std::make_unique<CProgramApp>();
    EXPECT_EQ(Start(), nullptr) << c.fault;
    ASSERT_EQ(messages_.size(), 1u) << c.fault;
    EXPECT_EQ(messages_[0].text, "Load language DLL fail\nThe configuration file " +
                                     QDir::toNativeSeparators(ini) + " " + c.fault + ".");
    app_.reset();  // the exit a failed start ends in
    if (QString(c.fault) == "is missing") {
      EXPECT_FALSE(QFileInfo::exists(ini)) << "not made empty";
    }
  }
}

TEST_F(StartupTest, AppNameCannotTakeTheSettingsOutOfTheirFolder) {
  const SettingsStore store("../../escaped/x");
  const QString location = QFileInfo(store.Location()).absoluteFilePath();
  EXPECT_TRUE(location.startsWith(QDir(settingsDir_.path()).absolutePath() + "/Software/"))
      << location.toStdString();
  EXPECT_EQ(QFileInfo(location).fileName(), "escapedx.ini");
}

TEST_F(StartupTest, ChineseRunsInChineseThroughout) {
  WriteProgramIni("Chinese");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(App().language, Language::Chinese);
  EXPECT_EQ(App().helpFileName, "chHelp.html");
  EXPECT_EQ(App().appTitle, QString::fromUtf8("测试公司"));
  EXPECT_EQ(frame->windowTitle(), QString::fromUtf8("测试标题"));
  EXPECT_EQ(frame->EditMenu()->title(), QString::fromUtf8("编辑(&E)"));  // from Chinese.qm
  QTreeWidgetItem* root = frame->NavigationBar()->RootItem();
  EXPECT_EQ(root->text(0), QString::fromUtf8("测试公司"));
  ASSERT_EQ(root->childCount(), 8);
  EXPECT_EQ(root->child(0)->text(0), QString::fromUtf8("机型设置"));
  EXPECT_EQ(root->child(1)->text(0), QString::fromUtf8("信道信息"));
  EXPECT_EQ(root->child(2)->text(0), QString::fromUtf8("可选功能"));
  EXPECT_EQ(frame->ActiveDocument()->Title(), QString::fromUtf8("信道信息"));
}

TEST_F(StartupTest, LanguageFlagNeedsChineseExactlyButTheCatalogIgnoresCase) {
  WriteProgramIni("chinese");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr) << "chinese.qm is found as Chinese.qm";
  EXPECT_EQ(App().language, Language::English);
  EXPECT_EQ(App().helpFileName, "enHelp.html");
  EXPECT_EQ(frame->NavigationBar()->RootItem()->child(0)->text(0), "Product Information");
  EXPECT_TRUE(messages_.empty());
}

TEST_F(StartupTest, EnglishRunTakesTitlesFromTheLanguageSection) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(App().appName, "radioprog-test");
  EXPECT_EQ(App().appTitle, "Test Company");
  EXPECT_EQ(frame->windowTitle(), "Test Title");
  EXPECT_EQ(frame->NavigationBar()->Caption(), "Test Company");
  EXPECT_TRUE(frame->isVisible());
  EXPECT_TRUE(frame->windowState() & Qt::WindowMaximized);
  EXPECT_FALSE(frame->windowIcon().isNull());
  EXPECT_EQ(App().programDir, ProgramDir());
}

TEST_F(StartupTest, EditMenuLosesDtmfKeyAssignmentAndTheirSeparator) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(Texts(frame->EditMenu()),
            (QStringList{"&Undo", "&Redo", "-", "Cu&t Channels", "&Copy Channels",
                         "&Paste Channels", "-", "&Insert Empty Channel", "&Delete Channels",
                         "C&lear Channels", "Move Channels U&p", "Move Channels D&own",
                         "Sort by Rx &Frequency", "Sort by &Name", "-", "Product Information",
                         "Channel Information", "-", "Optional Features"}));
  EXPECT_FALSE(HasCommand(frame->EditMenu(), cmd::kDtmf));
  EXPECT_FALSE(HasCommand(frame->EditMenu(), cmd::kKeyAssignment));
}

TEST_F(StartupTest, ShowLangDecidesAboutTheLanguageCommand) {
  struct Case {
    const char* showLang;
    bool kept;
  };
  for (const Case& c : {Case{"1", true}, Case{"2", true}, Case{"0", false}, Case{"", false},
                        Case{"yes", false}, Case{"1 // shown", true}}) {
    WriteProgramIni("English", c.showLang);
    app_ = std::make_unique<CProgramApp>();
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(HasCommand(frame->SetupMenu(), cmd::kLanguage), c.kept) << c.showLang;
    EXPECT_TRUE(HasCommand(frame->SetupMenu(), cmd::kComSetup));
  }
}

TEST_F(StartupTest, MenusFollowWhetherADocumentWindowIsShown) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  auto shownMenus = [frame] {
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions()) titles << a->text();
    return titles;
  };
  EXPECT_EQ(shownMenus(), (QStringList{"&File", "&Edit", "&Program", "Setup", "&View", "&Help"}));
  frame->OnCommand(cmd::kFileClose);
  EXPECT_EQ(shownMenus(), (QStringList{"&File", "&View", "&Help"}));
  EXPECT_EQ(
      Texts(frame->MenusNoDocument()[0]),
      (QStringList{"&New", "&Open...", "Open Backup…", "-", "P&rint Setup...", "-", "E&xit"}));
  EXPECT_EQ(
      Texts(frame->MenusDocument()[0]),
      (QStringList{"&New", "&Open...", "Open Backup…", "&Close", "&Save", "Save &As...",
                   "Compare With…", "-", "Export Channels (CSV)…", "Import Channels (CSV)…", "-",
                   "&Print...", "Print Preview", "Export PDF…", "Print Setup...", "-", "E&xit"}));
}

TEST_F(StartupTest, ToolbarAndStatusBarCarryTheirCommandsAndPrompts) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  QList<int> ids;
  for (QAction* action : frame->ToolBar()->actions())
    ids << (action->isSeparator() ? 0 : action->data().toInt());
  EXPECT_EQ(ids, (QList<int>{cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, 0, cmd::kEditUndo,
                             cmd::kEditRedo, 0, cmd::kRead, 0, cmd::kWrite, 0, cmd::kFilePrint,
                             cmd::kAppAbout}));
  // Qt cannot read the lock keys' state: no indicators that would never change.
  for (const char* indicator : {"CAP", "NUM", "SCRL"})
    EXPECT_EQ(frame->statusBar()->findChild<QLabel*>(indicator), nullptr) << indicator;
  EXPECT_EQ(frame->Action(cmd::kRead)->statusTip(), "Read Data From Radio");
  EXPECT_EQ(frame->Action(cmd::kWrite)->statusTip(), "Write Data To Radio");
  EXPECT_EQ(frame->Action(cmd::kRead)->shortcut(), QKeySequence("Ctrl+R"));
  EXPECT_EQ(frame->Action(cmd::kWrite)->shortcut(), QKeySequence("Ctrl+W"));
  EXPECT_EQ(frame->Action(cmd::kFileNew)->shortcut(), QKeySequence("Ctrl+N"));
}

TEST_F(StartupTest, CommandLineFileOpensInsteadOfANewDocument) {
  WriteProgramIni("English");
  const QString path = MakeFile("radio.dat", 6144);
  CMainFrame* frame = Start({path});
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->DocumentFrames().size(), 1);
  EXPECT_EQ(frame->ActiveDocument()->PathName(), path);
  EXPECT_EQ(frame->ActiveDocument()->Image()[6143], 6143 % 251);
  EXPECT_EQ(frame->windowTitle(), "Test Title");  // never the document's name
  // Nor when its window is maximised into the main window, or restored again.
  frame->ActiveFrame()->showMaximized();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->windowTitle(), "Test Title");
  frame->ActiveFrame()->showNormal();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->windowTitle(), "Test Title");
}

TEST_F(StartupTest, CommandLineFileThatCannotBeOpenedEndsStartUp) {
  WriteProgramIni("English");
  EXPECT_EQ(Start({MakeFile("short.dat", 100)}), nullptr);
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_EQ(app_->MainFrame(), nullptr);
}

TEST_F(StartupTest, SplashIsForbiddenByTheCommandLine) {
  WriteProgramIni("English");
  ASSERT_NE(Start(), nullptr);
  EXPECT_TRUE(app_->SplashAllowed());
  app_ = std::make_unique<CProgramApp>();
  ASSERT_NE(Start({"--no-splash"}), nullptr);
  EXPECT_FALSE(app_->SplashAllowed());
  app_ = std::make_unique<CProgramApp>();
  ASSERT_NE(Start({"-Embedding"}), nullptr);
  EXPECT_FALSE(app_->SplashAllowed());
}

TEST(ParseDecimal, ReadsLeadingDigitsLikeTheConfigurationAlwaysHas) {
  EXPECT_EQ(CProgramApp::ParseDecimal("1"), 1);
  EXPECT_EQ(CProgramApp::ParseDecimal(" 12abc"), 12);
  EXPECT_EQ(CProgramApp::ParseDecimal(""), 0);
  EXPECT_EQ(CProgramApp::ParseDecimal("abc"), 0);
  EXPECT_EQ(CProgramApp::ParseDecimal("-3"), -3);
}

}  // namespace
}  // namespace radio::test
