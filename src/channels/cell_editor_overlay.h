// The in-place editors of the channel grid: one per kind of cell (frequency
// and name editors, five drop-down lists), laid over the current cell when
// it is edited. Leaving the cell (or Enter) validates the text and writes
// the changed cells back through the view as one undoable step; a refused
// frequency shows its message and keeps the editor open.
#pragma once

#include <QObject>
#include <QString>

#include "channels/cell_commit.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace radio {

class CProgramDoc;
class CProgramView;
class ChannelGridModel;
class CFlexGrid;

// The property that carries the control id of the grid and its editors.
constexpr char kControlIdProperty[] = "controlId";

class CellEditorOverlay : public QObject {
  Q_OBJECT
 public:
  CellEditorOverlay(CProgramView& view, CFlexGrid& grid, ChannelGridModel& model, CProgramDoc& doc);

  // The editor with a control id (1126-1134), and the open one.
  QWidget* Editor(int controlId) const;
  QWidget* OpenEditor() const { return openEditor_; }

  // Lays the current column's editor over the current cell, pre-set from it.
  void Show();
  // Moves the open editor along with its cell.
  void Place();
  // Closes every editor without a commit.
  void HideAll();
  // Takes over the open editor's value; false when it was refused and the
  // editor stays open. True when no editor is open.
  bool Commit(CommitTrigger trigger);
  // Closes the open editor; true when it held a changed value (dropped).
  bool DropPendingEdit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString EditorText() const;
  void ShowCellMessage(CellMessage message);
  bool HandleEditorKey(QWidget* editor, QKeyEvent* event);

  CProgramView& view_;
  CFlexGrid& grid_;
  ChannelGridModel& model_;
  CProgramDoc& doc_;
  QLineEdit* frequencyEdit_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  QComboBox* toneList_ = nullptr;
  QComboBox* powerList_ = nullptr;
  QComboBox* bandwidthList_ = nullptr;
  QComboBox* scanAddList_ = nullptr;
  QComboBox* busyLockList_ = nullptr;
  QWidget* openEditor_ = nullptr;  // the visible editor, if any
  int editRow_ = 0;                // the cell the open editor belongs to
  int editCol_ = 0;
  QString editShown_;   // the cell's text when its editor opened
  QString editOpened_;  // the editor's own text when it opened
};

}  // namespace radio
