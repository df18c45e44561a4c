// The grid control of the channel view: a table view over the cell texts
// that offers the grid operations the view is written against — TextMatrix,
// Row/Col of the current cell, the cell rectangle, column widths, page
// scrolling — and the events EnterCell, LeaveCell, MouseDown and Scroll.
// Row 0 and column 0 are the fixed cells, drawn as frozen headers.
#pragma once

#include <QLabel>
#include <QRect>
#include <QTableView>

namespace radio {

class ChannelGridModel;

class CFlexGrid : public QTableView {
  Q_OBJECT
 public:
  explicit CFlexGrid(ChannelGridModel* model, QWidget* parent = nullptr);

  ChannelGridModel* Model() const { return model_; }
  QString TextMatrix(int row, int col) const;

  // The current cell in grid coordinates (rows 1-129, columns 1-9). While
  // LeaveCell runs they still name the cell being left.
  int Row() const;
  int Col() const;
  // Makes (row, col) current: LeaveCell, then EnterCell.
  void SetRowCol(int row, int col);
  // During LeaveCell: keep the cell being left current (its edit was refused).
  void CancelCellChange() { cancelChange_ = true; }
  // Whether the last change of the current cell came from a navigation key.
  bool MovedByKeyboard() const { return movedByKeyboard_; }

  // Rectangle of a cell in viewport pixels (CellLeft/Top/Width/Height).
  QRect CellRect(int row, int col) const;
  QRect CurrentCellRect() const { return CellRect(Row(), Col()); }
  // Column widths in pixels; column 0 is the row-label column.
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);

  // What WM_VSCROLL SB_PAGEDOWN / SB_PAGEUP does to the grid.
  void PageDown();
  void PageUp();

 signals:
  void EnterCell();
  void LeaveCell();
  void MouseDown();
  void Scroll();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void updateGeometries() override;

 private:
  ChannelGridModel* model_;
  QLabel* corner_;       // the fixed cell (0, 0)
  QModelIndex leaving_;  // the cell being left while LeaveCell runs
  bool cancelChange_ = false;
  bool reverting_ = false;
  bool movedByKeyboard_ = false;
};

}  // namespace radio
