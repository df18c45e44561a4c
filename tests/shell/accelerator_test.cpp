// Every accelerator of the main window works wherever the keyboard focus
// is: a grid cell, an open cell editor, the navigation tree, the toolbar.
// No key of the program is shadowed by one of Qt's own (a sub-window's
// Ctrl+W, say): Qt's "Ambiguous shortcut" warning fails the test.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>
#include <functional>

#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "image/band_limits.h"
#include "image/program_doc.h"
#include "link/process_dlg.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/navigation_bar.h"
#include "shell/radio_commands.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

// Collects Qt's warnings about shortcuts that two actions claim.
class AmbiguityWatch {
 public:
  AmbiguityWatch() {
    Messages().clear();
    previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
      if (m.contains("Ambiguous shortcut")) Messages() << m;
    });
  }
  ~AmbiguityWatch() { qInstallMessageHandler(previous_); }
  static QStringList& Messages() {
    static QStringList messages;
    return messages;
  }

 private:
  QtMessageHandler previous_;
};

constexpr BandLimitBytes kBands = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};  // 134-176 / 400-480 MHz

class AcceleratorTest : public StartedShellTest {
 protected:
  AcceleratorTest() : StartedShellTest({"--no-splash"}) {}
  void SetUp() override {
    StartedShellTest::SetUp();
    if (HasFatalFailure()) return;
    RemoveFromProgramDir("enHelp.html");  // F1 opens no help window over the test
    frame_->SetFileNamePrompt([](bool, const QString&) { return QString(); });
    SetMessageHook([](const MessageRequest&) { return QMessageBox::Cancel; });  // New: keep
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_));
    WriteBandLimitBlock(view_->Document().Image(), kBands);
    view_->FillFromImage();
  }
  // Focuses a place; false when it cannot take the focus.
  using Place = std::function<QWidget*()>;
  QWidget* Grid() {
    view_->SelectChannel(2, 1);
    return view_->Grid();
  }
  QWidget* EditorOf(int col) {
    view_->SelectChannel(2, col);
    QTest::keyClick(view_->Grid(), Qt::Key_F2);
    return view_->OpenEditor();
  }
  QWidget* Tree() { return frame_->NavigationBar()->findChild<QTreeWidget*>(); }
  QWidget* ToolBar() { return frame_->ToolBar()->widgetForAction(frame_->Action(cmd::kFileNew)); }
};

// The keys of the main window's commands, as the program's menus and
// accelerator table give them.
const QStringList kCommandKeys = {"Ctrl+N",        "Ctrl+O", "Ctrl+S", "Ctrl+P",
                                  "Ctrl+R",        "Ctrl+W", "Ctrl+B", "Ctrl+Z",
                                  "Alt+Backspace", "F1",     "F6",     "Shift+F6"};

TEST_F(AcceleratorTest, EveryCommandKeyFiresWhereverTheFocusIs) {
  for (int id : {cmd::kRead, cmd::kWrite, cmd::kFilePrint})
    frame_->SetCommandHandler(id, [] {});  // the key only has to reach the command
  AmbiguityWatch watch;
  const std::vector<std::pair<const char*, Place>> places = {
      {"grid", [&] { return Grid(); }},
      {"frequency editor", [&] { return EditorOf(1); }},
      {"name editor", [&] { return EditorOf(5); }},
      {"power list", [&] { return EditorOf(6); }},
      {"navigation tree", [&] { return Tree(); }},
      {"toolbar", [&] { return ToolBar(); }},
  };
  QUndoStack& undo = view_->Document().UndoStack();
  QStringList tried;
  int changes = 0;
  for (const bool maximized : {false, true}) {
    if (maximized) frame_->ActiveFrame()->showMaximized();
    for (QAction* action : frame_->actions()) {
      if (action->shortcutContext() != Qt::WindowShortcut) continue;  // the grid's own
      const int id = action->data().toInt();
      for (const QKeySequence& keys : action->shortcuts()) {
        tried << keys.toString();
        for (const auto& [where, focus] : places) {
          SCOPED_TRACE(keys.toString().toStdString() + " in the " + where +
                       (maximized ? ", document window maximized" : ""));
          // Undo and Redo need a step to take back or bring again.
          if (id == cmd::kEditUndo || id == cmd::kEditRedo)
            view_->SetCell(3, 5, QString("N%1").arg(++changes));
          if (id == cmd::kEditRedo) undo.undo();
          const int index = undo.index();
          QWidget* target = focus();
          ASSERT_NE(target, nullptr);
          target->setFocus();
          ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == target; }, 2000));
          int fired = 0;
          const auto counting = QObject::connect(action, &QAction::triggered, [&] { ++fired; });
          QTest::keyClick(target, keys[0].key(), keys[0].keyboardModifiers());
          QObject::disconnect(counting);
          // A text editor keeps Undo's keys and undoes by the menu's rule.
          if (id == cmd::kEditUndo)
            EXPECT_EQ(undo.index(), index - 1);
          else if (id == cmd::kEditRedo)
            EXPECT_EQ(undo.index(), index + 1);
          else
            EXPECT_EQ(fired, 1);
          if (frame_->NavigationDock()->isHidden()) frame_->OnCommand(cmd::kViewControlBar);
          view_->DropPendingEdit();
        }
      }
    }
  }
  for (const QString& keys : kCommandKeys) EXPECT_TRUE(tried.contains(keys)) << keys.toStdString();
  EXPECT_TRUE(AmbiguityWatch::Messages().isEmpty())
      << AmbiguityWatch::Messages().join('\n').toStdString();
}

TEST_F(AcceleratorTest, WriteFromAnOpenEditorTakesItsTextOverFirst) {
  QWidget* editor = EditorOf(1);
  auto* line = qobject_cast<QLineEdit*>(editor);
  ASSERT_NE(line, nullptr);
  line->setFocus();
  line->selectAll();
  QTest::keyClicks(line, "146.5");
  QTest::keyClick(line, Qt::Key_W, Qt::ControlModifier);
  auto* commands = view_->findChild<RadioCommands*>();
  ASSERT_NE(commands, nullptr);
  EXPECT_TRUE(commands->ProcessDialog().isVisible());
  EXPECT_EQ(commands->ProcessDialog().windowTitle(), "Write Data");
  EXPECT_EQ(view_->OpenEditor(), nullptr);
  EXPECT_EQ(view_->CellText(2, 1), "146.50000");
  const RadioImage image = view_->Document().Image();
  EXPECT_EQ(image[kBlockSize + 2], 0x65);  // channel 2 Rx, packed BCD low byte first
  EXPECT_EQ(image[kBlockSize + 3], 0x14);
  commands->ProcessDialog().OnCancel();
}

TEST_F(AcceleratorTest, ClipboardKeysMoveWholeChannelsFromTheGrid) {
  for (int row : {1, 2}) {
    ASSERT_TRUE(view_->SetCell(row, 1, "145.00000"));
    ASSERT_TRUE(view_->SetCell(row, 2, "145.00000"));
    ASSERT_TRUE(view_->SetCell(row, 5, row == 1 ? "ONE" : "TWO"));
  }
  const auto key = [&](const char* keys) {
    view_->Grid()->setFocus();
    const QKeySequence sequence(QString::fromLatin1(keys));
    QTest::keyClick(view_->Grid(), sequence[0].key(), sequence[0].keyboardModifiers());
  };
  for (const char* copy : {"Ctrl+C", "Ctrl+Ins"}) {
    QApplication::clipboard()->clear();
    view_->SelectChannels(0, 1);
    key(copy);
    EXPECT_TRUE(QApplication::clipboard()->text().contains("ONE")) << copy;
  }
  for (const auto& [cut, paste] : {std::pair{"Ctrl+X", "Ctrl+V"}, {"Shift+Del", "Shift+Ins"}}) {
    view_->SelectChannels(0, 1);
    key(cut);
    EXPECT_EQ(view_->CellText(1, 5), "") << cut;
    view_->SelectChannels(4, 5);
    key(paste);
    EXPECT_EQ(view_->CellText(5, 5), "ONE") << paste;
    EXPECT_EQ(view_->CellText(6, 5), "TWO") << paste;
    view_->SelectChannels(4, 5);
    key(cut);
    view_->SelectChannels(0, 1);
    key(paste);
    EXPECT_EQ(view_->CellText(1, 5), "ONE") << paste;
  }
}

TEST_F(AcceleratorTest, F6MovesTheKeyboardBetweenTreeAndGrid) {
  QWidget* grid = Grid();
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_F6);
  EXPECT_EQ(QApplication::focusWidget(), Tree());
  QTest::keyClick(Tree(), Qt::Key_F6, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), grid);
  frame_->OnCommand(cmd::kViewControlBar);  // the tree hidden: the grid is the only pane
  QTest::keyClick(grid, Qt::Key_F6);
  EXPECT_EQ(QApplication::focusWidget(), grid);
}

}  // namespace
}  // namespace radio::test
