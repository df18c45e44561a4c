// Context help: F1 and 32793 open the language's help page at the right
// anchor, every command has its anchor, and a missing page does nothing.
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTextBrowser>

#include "base/app_context.h"
#include "base/help.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

QTextBrowser* HelpWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* browser = qobject_cast<QTextBrowser*>(w); browser && browser->isVisible())
      return browser;
  return nullptr;
}

void CloseHelpWindow() {
  if (QTextBrowser* browser = HelpWindow()) browser->close();
  QCoreApplication::processEvents();
}

using HelpTest = ShellTest;

TEST_F(HelpTest, F1OpensTheDocumentOrMainWindowContext) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Action(cmd::kHelp)->shortcut(), QKeySequence(Qt::Key_F1));
  frame->OnCommand(cmd::kHelp);
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_EQ(HelpWindow()->source().fragment(), "ctx-65665");
  EXPECT_TRUE(HelpWindow()->source().path().endsWith("/enHelp.html"));

  frame->OnCommand(cmd::kFileClose);
  frame->OnCommand(cmd::kHelp);
  EXPECT_EQ(HelpWindow()->source().fragment(), "ctx-65664");

  frame->OnCommand(cmd::kHelpDefaultTopic);
  EXPECT_TRUE(HelpWindow()->source().fragment().isEmpty());
  CloseHelpWindow();
}

TEST_F(HelpTest, F1OnAHighlightedMenuEntryOpensThatCommandsContext) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  QMenu* file = frame->MenusDocument()[0];
  file->popup(QPoint(0, 0));
  file->setActiveAction(frame->Action(cmd::kFileOpen));
  EXPECT_EQ(frame->HelpContext(), cmd::kFileOpen);
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(file, &f1);
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_EQ(HelpWindow()->source().fragment(), "ctx-57601");
  EXPECT_FALSE(file->isVisible());
  CloseHelpWindow();
}

TEST_F(HelpTest, ChineseRunUsesTheChinesePage) {
  WriteProgramIni("Chinese");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  frame->OnCommand(cmd::kHelp);
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_TRUE(HelpWindow()->source().path().endsWith("/chHelp.html"));
  CloseHelpWindow();
}

TEST_F(HelpTest, MissingHelpFileMakesHelpDoNothing) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  RemoveFromProgramDir("enHelp.html");
  frame->OnCommand(cmd::kHelp);
  frame->OnCommand(cmd::kHelpDefaultTopic);
  EXPECT_EQ(HelpWindow(), nullptr);
  EXPECT_TRUE(messages_.empty());
}

// Every command of the menus and both windows' own contexts has an anchor in
// both pages, so F1 never lands at the top by accident.
TEST_F(HelpTest, EveryMenuCommandHasAnAnchorInBothPages) {
  WriteProgramIni("English");
  CMainFrame* frame = Start();
  ASSERT_NE(frame, nullptr);
  QList<int> contexts{cmd::kHelpContextMainFrame, cmd::kHelpContextDocument};
  for (QMenu* menu : frame->MenusDocument() + frame->MenusNoDocument())
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) contexts << action->data().toInt();
  for (const char* page : {"enHelp.html", "chHelp.html"}) {
    QFile file(ProgramDir() + page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (int context : contexts)
      EXPECT_TRUE(html.contains(QString("id=\"ctx-%1\"").arg(context))) << page << " " << context;
  }
}

}  // namespace
}  // namespace radio::test
