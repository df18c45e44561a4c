#include "channels/flex_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "channels/channel_grid_model.h"

namespace radio {

CFlexGrid::CFlexGrid(ChannelGridModel* model, QWidget* parent)
    : QTableView(parent), model_(model), corner_(new QLabel(this)) {
  setModel(model_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setCornerButtonEnabled(false);
  horizontalHeader()->setSectionsClickable(false);
  verticalHeader()->setSectionsClickable(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 8, 24));
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);

  corner_->setText(model_->TextMatrix(0, 0));
  corner_->setAlignment(Qt::AlignCenter);
  QPalette palette = corner_->palette();
  palette.setBrush(QPalette::WindowText,
                   model_->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>());
  corner_->setPalette(palette);

  // Channel 1, receive frequency, is current from the start (no editor opens).
  selectionModel()->setCurrentIndex(model_->IndexOf(1, 1), QItemSelectionModel::NoUpdate);

  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
}

QString CFlexGrid::TextMatrix(int row, int col) const {
  return model_->TextMatrix(row, col);
}

int CFlexGrid::Row() const {
  const QModelIndex at = leaving_.isValid() ? leaving_ : currentIndex();
  return at.isValid() ? ChannelGridModel::GridRow(at) : 1;
}

int CFlexGrid::Col() const {
  const QModelIndex at = leaving_.isValid() ? leaving_ : currentIndex();
  return at.isValid() ? ChannelGridModel::GridCol(at) : 1;
}

void CFlexGrid::SetRowCol(int row, int col) {
  const QModelIndex at = model_->IndexOf(row, col);
  if (!at.isValid()) return;
  movedByKeyboard_ = false;
  setCurrentIndex(at);
}

QRect CFlexGrid::CellRect(int row, int col) const {
  return visualRect(model_->IndexOf(row, col));
}

int CFlexGrid::ColWidth(int col) const {
  return col == 0 ? verticalHeader()->width() : columnWidth(col - 1);
}

void CFlexGrid::SetColWidth(int col, int width) {
  if (col == 0)
    verticalHeader()->setFixedWidth(width);
  else
    setColumnWidth(col - 1, width);
}

void CFlexGrid::PageDown() {
  verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
}
void CFlexGrid::PageUp() {
  verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
}

void CFlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (reverting_) {
    QTableView::currentChanged(current, previous);
    return;
  }
  if (previous.isValid()) {
    // LeaveCell sees the cell being left as current; it may refuse the move.
    leaving_ = previous;
    cancelChange_ = false;
    emit LeaveCell();
    leaving_ = QModelIndex();
    if (cancelChange_) {
      cancelChange_ = false;
      reverting_ = true;
      selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
      reverting_ = false;
      return;
    }
  }
  QTableView::currentChanged(current, previous);  // scrolls the new cell into view
  if (current.isValid()) emit EnterCell();
}

void CFlexGrid::mousePressEvent(QMouseEvent* event) {
  movedByKeyboard_ = false;
  QTableView::mousePressEvent(event);
  // A refused move leaves the old cell current: keep the highlight on it.
  if (currentIndex().isValid())
    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
  emit MouseDown();
}

void CFlexGrid::mouseMoveEvent(QMouseEvent* event) {
  // Dragging does not sweep the current cell across the grid.
  if (event->buttons() == Qt::NoButton) QTableView::mouseMoveEvent(event);
}

void CFlexGrid::keyPressEvent(QKeyEvent* event) {
  movedByKeyboard_ = true;
  QTableView::keyPressEvent(event);
  movedByKeyboard_ = false;
}

void CFlexGrid::updateGeometries() {
  QTableView::updateGeometries();
  corner_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(),
                       horizontalHeader()->height());
  corner_->raise();
}

}  // namespace radio
