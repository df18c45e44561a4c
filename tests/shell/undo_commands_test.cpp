// Edit > Undo / Redo in the main window: dialogs' changes are steps named
// after their command, the entries name the step and follow the active
// document, and a transfer with the radio disables them.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QUndoStack>

#include "channels/program_view.h"
#include "image/program_doc.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

class UndoCommandsTest : public StartedShellTest {
 protected:
  void SetUp() override {
    StartedShellTest::SetUp();
    if (HasFatalFailure()) return;
    doc_ = frame_->ActiveDocument();
    ASSERT_NE(doc_, nullptr);
  }
  // Runs a command whose modal dialog is then accepted as it stands.
  void RunAndAccept(int id) {
    QTimer::singleShot(0, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->accept();
    });
    frame_->OnCommand(id);
  }
  QAction* Undo() const { return frame_->Action(cmd::kEditUndo); }
  QAction* Redo() const { return frame_->Action(cmd::kEditRedo); }

  CProgramDoc* doc_ = nullptr;
};

TEST_F(UndoCommandsTest, DialogOkIsAStepNamedAfterItsCommand) {
  EXPECT_FALSE(Undo()->isEnabled());
  EXPECT_FALSE(Redo()->isEnabled());
  EXPECT_EQ(Undo()->shortcut(), QKeySequence(QKeySequence::Undo));
  EXPECT_EQ(Redo()->shortcut(), QKeySequence(QKeySequence::Redo));
  // Product Information's OK writes the model byte; make it differ first.
  doc_->Image()[0x17D1] = 0;
  const RadioImage before = doc_->Image();
  RunAndAccept(cmd::kProductInformation);
  ASSERT_NE(doc_->Image(), before);
  const RadioImage after = doc_->Image();
  EXPECT_EQ(doc_->UndoStack().count(), 1);
  EXPECT_EQ(Undo()->text(), "&Undo Product Information");
  EXPECT_TRUE(Undo()->isEnabled());
  EXPECT_TRUE(doc_->IsModified());

  frame_->OnCommand(cmd::kEditUndo);
  EXPECT_EQ(doc_->Image(), before);
  EXPECT_FALSE(doc_->IsModified());
  EXPECT_EQ(Redo()->text(), "&Redo Product Information");
  EXPECT_EQ(Undo()->text(), "&Undo");
  EXPECT_FALSE(Undo()->isEnabled());
  frame_->OnCommand(cmd::kEditRedo);
  EXPECT_EQ(doc_->Image(), after);

  // A dialog closed without a change records nothing.
  RunAndAccept(cmd::kOptionalFeatures);
  EXPECT_EQ(doc_->UndoStack().count(), 1);
}

TEST_F(UndoCommandsTest, GridEditsUndoFromTheMenuAndTransfersDisableIt) {
  CProgramView* view = frame_->ActiveView();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(view->SetCell(3, 1, "145.5"));
  EXPECT_EQ(Undo()->text(), "&Undo Edit channel 3 Rx Frequency");
  frame_->SetRadioBusy(true);
  EXPECT_FALSE(Undo()->isEnabled());
  frame_->OnCommand(cmd::kEditUndo);
  EXPECT_EQ(view->CellText(3, 1), "145.50000");
  frame_->SetRadioBusy(false);
  EXPECT_TRUE(Undo()->isEnabled());
  frame_->OnCommand(cmd::kEditUndo);
  EXPECT_EQ(view->CellText(3, 1), "");

  // Row entries follow the row selection of the active grid.
  EXPECT_FALSE(frame_->Action(cmd::kEditDeleteChannels)->isEnabled());
  view->SelectChannels(0, 1);
  EXPECT_TRUE(frame_->Action(cmd::kEditDeleteChannels)->isEnabled());
  EXPECT_TRUE(frame_->Action(cmd::kEditMoveDown)->isEnabled());
  ASSERT_TRUE(view->SetCell(1, 1, "146"));  // keeps the rows selected
  view->SelectChannels(0, 0);
  frame_->OnCommand(cmd::kEditMoveDown);
  EXPECT_EQ(view->CellText(2, 1), "146.00000");
  EXPECT_EQ(Undo()->text(), "&Undo Move channels down");
}

}  // namespace
}  // namespace radio::test
