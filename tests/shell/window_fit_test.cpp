// The channel window on the screens people have: at 1024x768, 1366x768 and
// 1920x1080 it stays within the main window's client area, and every row
// (1-128, Fr) and every column can be reached by wheel, scroll bar and
// keyboard, with the current cell in view.
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "channels/flex_grid.h"
#include "channels/grid_layout.h"
#include "channels/program_view.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/mdi_background.h"
#include "support/shell_fixture.h"

namespace radio::test {
namespace {

constexpr int kFrRow = 129;
constexpr int kBusyLockColumn = 9;

class WindowFitTest : public StartedShellTest, public ::testing::WithParamInterface<QSize> {
 protected:
  void SetUp() override {
    StartedShellTest::SetUp();
    if (HasFatalFailure()) return;
    // The main window as it is maximised on a screen of this size, and the
    // view scaled for that screen.
    const QSize screen = GetParam();
    frame_->showNormal();
    frame_->setGeometry(0, 0, screen.width(), screen.height() - 40);  // a task bar below
    view_->OnDisplayChange(screen.width());
    Settle();
  }
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  CFlexGrid* Grid() const { return view_->Grid(); }
  // Whether `rect` of `widget` shows on screen: inside the MDI area's viewport.
  bool ShownInArea(QWidget* widget, const QRect& rect) const {
    QWidget* area = frame_->MdiArea()->viewport();
    const QRect inArea(widget->mapTo(area, rect.topLeft()), rect.size());
    return area->rect().contains(inArea);
  }
  bool CellShown(int row, int col) const {
    const QRect cell = Grid()->CellRect(row, col);
    return !cell.isEmpty() && Grid()->viewport()->rect().contains(cell) &&
           ShownInArea(Grid()->viewport(), cell);
  }
  void WheelNotchDown() {
    QWidget* port = Grid()->viewport();
    const QPointF at = port->rect().center();
    QWheelEvent wheel(at, port->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(port, &wheel);
  }
};

TEST_P(WindowFitTest, WindowStaysInItsAreaAndColumnsKeepTheScreenScale) {
  CChildFrame* child = frame_->ActiveFrame();
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(frame_->MdiArea()->viewport()->rect().contains(child->geometry()))
      << child->geometry().width() << "x" << child->geometry().height();
  EXPECT_TRUE(ShownInArea(Grid(), Grid()->rect()));
  // The columns are as wide as the screen's scale makes them.
  const auto design = ColumnWidths(Grid()->horizontalHeader()->defaultSectionSize());
  const float scale = ScreenScale(GetParam().width());
  for (int c : {1, kBusyLockColumn})
    EXPECT_EQ(Grid()->ColWidth(c), Scaled(design[static_cast<std::size_t>(c)], scale));
  // What does not fit has a scroll bar the user can see.
  const int columns = Grid()->horizontalHeader()->length();
  if (columns > Grid()->viewport()->width()) {
    EXPECT_TRUE(Grid()->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(ShownInArea(Grid()->horizontalScrollBar(), Grid()->horizontalScrollBar()->rect()));
  }
  EXPECT_TRUE(Grid()->verticalScrollBar()->isVisible());
  EXPECT_TRUE(ShownInArea(Grid()->verticalScrollBar(), Grid()->verticalScrollBar()->rect()));
}

TEST_P(WindowFitTest, WheelAndScrollBarsReachTheLastRowAndColumn) {
  for (int notch = 0; notch < 40 && !CellShown(kFrRow, 1); ++notch) WheelNotchDown();
  EXPECT_TRUE(CellShown(kFrRow, 1)) << "Fr is out of reach of the wheel";
  QScrollBar* across = Grid()->horizontalScrollBar();
  across->setValue(across->maximum());
  EXPECT_TRUE(CellShown(kFrRow, kBusyLockColumn));
  Grid()->verticalScrollBar()->setValue(0);
  across->setValue(0);
  EXPECT_TRUE(CellShown(1, 1));
}

TEST_P(WindowFitTest, KeyboardWalksToEveryCellAndKeepsItInView) {
  Grid()->setFocus();
  Grid()->SetRowCol(1, 1);
  view_->CommitCellEdit();
  for (int col = 2; col <= kBusyLockColumn; ++col) {
    QTest::keyClick(Grid(), Qt::Key_Tab);
    ASSERT_EQ(Grid()->Col(), col);
    EXPECT_TRUE(CellShown(1, col)) << "column " << col;
  }
  for (int row = 2; row <= kFrRow; ++row) {
    QTest::keyClick(Grid(), Qt::Key_Down);
    ASSERT_EQ(Grid()->Row(), row);
    EXPECT_TRUE(CellShown(row, kBusyLockColumn)) << "row " << row;
  }
  // The main window shrinks while the cell's editor is open: the cell is
  // scrolled back into view and its editor moves along, still open.
  QTest::keyClick(Grid(), Qt::Key_Return);
  ASSERT_NE(view_->OpenEditor(), nullptr);
  frame_->resize(frame_->width() - 300, frame_->height() - 200);
  Settle();
  EXPECT_TRUE(frame_->MdiArea()->viewport()->rect().contains(frame_->ActiveFrame()->geometry()));
  EXPECT_TRUE(CellShown(kFrRow, kBusyLockColumn));
  ASSERT_NE(view_->OpenEditor(), nullptr);
  EXPECT_EQ(view_->OpenEditor()->geometry(), Grid()->CellRect(kFrRow, kBusyLockColumn));
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowFitTest,
                         ::testing::Values(QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                           return std::to_string(info.param.width()) + "x" +
                                  std::to_string(info.param.height());
                         });

}  // namespace
}  // namespace radio::test
