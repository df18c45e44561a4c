#include "features/grid_cell_editor.h"

#include <QEvent>
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
  connect(grid_, &QTableWidget::currentCellChanged, this,
          [this](int row, int column, int, int) {
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
    connect(bar, &QScrollBar::valueChanged, this, [this] { Discard(); });
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
  const bool hadFocus = edit_->hasFocus();
  edit_->hide();
  row_ = column_ = -1;
  if (hadFocus) grid_->setFocus();
  grid_->viewport()->update();
}

}  // namespace radio
