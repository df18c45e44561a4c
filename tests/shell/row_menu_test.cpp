// The grid's row menu, built by the main window from the command table:
// right-clicking the row headers lists the channel commands, runs the one
// chosen on the selected channels, and offers none while the radio is busy.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>
#include <functional>

#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "image/program_doc.h"
#include "shell/main_frame.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

class RowMenuTest : public StartedShellTest {
 protected:
  // Right-clicks the row header of channel 1 and hands the open menu to
  // `inspect` (which may trigger an entry); false when no menu opened.
  bool RightClickRowHeader(const std::function<void(QMenu&)>& inspect) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      opened = true;
      inspect(*menu);
      menu->close();
    });
    QHeaderView* rows = view_->Grid()->verticalHeader();
    emit rows->customContextMenuRequested(QPoint(2, rows->sectionViewportPosition(0) + 2));
    return opened;
  }
  static QStringList Texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* entry : menu.actions()) texts << entry->text();
    return texts;
  }
  static QAction* Entry(const QMenu& menu, const QString& text) {
    for (QAction* entry : menu.actions())
      if (entry->text() == text) return entry;
    return nullptr;
  }
};

TEST_F(RowMenuTest, ListsTheChannelCommandsAndRunsTheChosenOne) {
  ASSERT_TRUE(view_->SetCell(1, 1, "145.00000"));
  ASSERT_TRUE(view_->SetCell(2, 1, "146.00000"));
  view_->SelectChannels(0, 0);
  QStringList texts;
  ASSERT_TRUE(RightClickRowHeader([&](QMenu& menu) {
    texts = Texts(menu);
    QAction* clear = Entry(menu, "Clear Channels");
    EXPECT_TRUE(clear && clear->isEnabled());
    if (clear) clear->trigger();
  }));
  EXPECT_EQ(texts, QStringList({"Cut Channels", "Copy Channels", "Paste Channels", "",
                                "Insert Empty Channel", "Delete Channels", "Clear Channels", "",
                                "Move Channels Up", "Move Channels Down", "",
                                "Sort by Rx Frequency", "Sort by Name"}));
  EXPECT_EQ(view_->CellText(1, 1), "");
  EXPECT_EQ(view_->CellText(2, 1), "146.00000");
  EXPECT_EQ(view_->Document().UndoStack().undoText(), "Clear channels");
}

TEST_F(RowMenuTest, OffersNoCommandWhileTheRadioIsBusy) {
  ASSERT_TRUE(view_->SetCell(1, 1, "145.00000"));
  view_->SelectChannels(0, 0);
  frame_->SetRadioBusy(true);
  int enabled = -1;
  ASSERT_TRUE(RightClickRowHeader([&](QMenu& menu) {
    enabled = 0;
    for (const QAction* entry : menu.actions())
      enabled += !entry->isSeparator() && entry->isEnabled() ? 1 : 0;
  }));
  EXPECT_EQ(enabled, 0);
  frame_->SetRadioBusy(false);
  EXPECT_EQ(view_->CellText(1, 1), "145.00000");
}

}  // namespace
}  // namespace radio::test
