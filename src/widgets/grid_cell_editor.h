// The in-place editor of the DTMF call list, 2-Tone code and MSK call list
// grids: an edit box laid over the current cell when a cell is entered or
// clicked, whose text goes back into the cell when the cell is left.
// Scrolling hides it without writing anything.
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QTableWidget;

namespace radio {

class CGridCellEditor : public QObject {
  Q_OBJECT
 public:
  // `finish` turns the edit text into the cell text as the cell is left.
  using Finish = std::function<QString(const QString& text)>;
  // Cells of `firstEditableColumn` and beyond are edited; entering a cell
  // left of it moves to that column, as the grid's fixed cells cannot be
  // entered.
  CGridCellEditor(QTableWidget* grid, int firstEditableColumn, int maxLength, Finish finish);

  QLineEdit* Edit() const { return edit_; }
  // The row of the cell being edited, -1 when the edit is hidden.
  int Row() const;
  // Writes an open edit into its cell and hides it (leaving the cell).
  void Commit();
  // Hides the edit without writing it (scrolling away, reloading the grid).
  void Discard();

 private:
  void Open(int row, int column);

  QTableWidget* grid_;
  QLineEdit* edit_;
  int firstColumn_;
  Finish finish_;
  int row_ = -1;
  int column_ = -1;
};

}  // namespace radio
