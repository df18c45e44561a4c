#include "widgets/grid_cell_editor.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

namespace radio {

CGridCellEditor::CGridCellEditor(QTableWidget* grid, int firstEditableColumn, int maxLength,
                                 Finish finish)
    : QObject(grid),
      grid_(grid),
      edit_(new QLineEdit(grid->viewport())),
      firstColumn_(firstEditableColumn),
      finish_(std::move(finish)) {
  edit_->setMaxLength(maxLength);
  edit_->setAlignment(Qt::AlignCenter);
  edit_->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setTabKeyNavigation(false);
  grid_->verticalHeader()->setDefaultSectionSize(edit_->sizeHint().height());
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
    Commit();  // leaving a cell
    if (row < 0) return;
    if (column < firstColumn_) {
      grid_->setCurrentCell(row, firstColumn_);
      return;
    }
    Open(row, column);
  });
  connect(grid_, &QTableWidget::cellPressed, this, [this](int row, int column) {
    if (row == grid_->currentRow() && column == grid_->currentColumn() && column >= firstColumn_)
      Open(row, column);
  });
  for (QScrollBar* bar : {grid_->verticalScrollBar(), grid_->horizontalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      // Entering a cell out of view scrolls before the cell change is
      // reported: that is leaving the old cell, not scrolling away from it.
      if (grid_->currentRow() != row_ || grid_->currentColumn() != column_)
        Commit();
      else
        Discard();
    });
}

int CGridCellEditor::Row() const {
  return edit_->isHidden() ? -1 : row_;
}

void CGridCellEditor::Open(int row, int column) {
  row_ = row;
  column_ = column;
  const QTableWidgetItem* item = grid_->item(row, column);
  edit_->setText(item ? item->text() : QString());
  edit_->setGeometry(grid_->visualRect(grid_->model()->index(row, column)));
  edit_->show();
  edit_->setFocus();
  edit_->selectAll();
  grid_->viewport()->update();
}

void CGridCellEditor::Commit() {
  if (edit_->isHidden() || row_ < 0) return;
  QTableWidgetItem* item = grid_->item(row_, column_);
  if (!item) {
    item = new QTableWidgetItem;
    grid_->setItem(row_, column_, item);
  }
  item->setText(finish_(edit_->text()));
  Discard();
}

void CGridCellEditor::Discard() {
  // The grid takes the focus before the edit hides: a focused child that
  // hides passes the focus on, which in a grid moves the current cell.
  if (edit_->hasFocus()) grid_->setFocus();
  edit_->hide();
  row_ = column_ = -1;
  grid_->viewport()->update();
}

}  // namespace radio
