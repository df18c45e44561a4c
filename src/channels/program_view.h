// CProgramView: the channel grid of one document. The grid shows the
// image's channel table: every committed cell edit and every row operation
// writes the changed records into the image at once as one undoable step,
// and any other change of the image (undo, redo, dialogs, a read) refills
// the grid. Save, clone run and Write still commit the whole table. Cells
// are edited in place by the cell-editor overlay; whole channels are
// handled by the row-actions part. The view owns both.
#pragma once

#include <QWidget>
#include <array>
#include <utility>
#include <vector>

#include "channels/cell_commit.h"
#include "channels/channel_row_actions.h"
#include "image/channel_codec.h"
#include "image/program_doc.h"

class QKeyEvent;

namespace radio {

class CellEditorOverlay;
class ChannelGridModel;
class CFlexGrid;

class CProgramView : public QWidget {
  Q_OBJECT
 public:
  explicit CProgramView(CProgramDoc& doc, QWidget* parent = nullptr);
  ~CProgramView() override;

  CProgramDoc& Document() { return doc_; }

  // Set-up on every New and Open: title, icon, screen scaling, then the fill.
  void OnInitialUpdate();

  // Image -> grid (DecodeChannelTable), also after a read from the radio.
  // An open editor is closed without a commit: its text is out of date.
  void FillFromImage();
  // After a clone run put its image into the document: records the run as
  // one step named `text`. Only a complete read refills the grid; after any
  // other run it keeps showing what it showed.
  void RecordRunResult(const QString& text, const RadioImage& before, bool refillGrid);
  // Takes over a value still in a cell editor (as leaving the cell does).
  // False when the value was refused and the editor stays open.
  bool CommitCellEdit();
  // Grid -> image (EncodeChannelTable), after completing any cell edit.
  void CommitToImage();

  // The cell texts (row 0-128 = grid rows 1-129, column 0-8 = grid columns 1-9).
  const ChannelTable& Table() const;
  QString CellText(int gridRow, int gridCol) const;
  // Writes one channel cell and stores its channel into the image as one
  // undoable step ("Edit channel 12 Rx Frequency"). Returns whether the
  // text changed.
  bool SetCell(int gridRow, int gridCol, const QString& text);
  // The same in the table's own form (a name as the radio's bytes).
  bool SetCellValue(int gridRow, int gridCol, const std::string& value);

  // Makes a channel's cell current and scrolls it into view, without
  // opening its editor: grid row 1-129, column 1-9 (0 keeps the current
  // column). A cell edit in progress is completed first, as leaving the
  // cell does; false when that edit was refused or the row does not exist.
  bool SelectChannel(int gridRow, int gridCol = 0);

  // Before undo or redo: an open editor is closed. Returns true when it
  // held a changed value, which is dropped: that typing is what the user
  // takes back, and no step is undone.
  bool DropPendingEdit();

  // --- Whole channels (grid rows 1-128; the FR row is never part of it) ---
  // The selected channels as record indices 0-127, ascending.
  std::vector<int> SelectedChannels() const;
  // Selects channels `first`..`last` (record indices) as whole rows.
  void SelectChannels(int first, int last);
  using RowCommand = radio::RowCommand;
  // Whether the command can act now (a row selection; for paste, channels
  // on the clipboard).
  bool CanRunRowCommand(RowCommand command) const;
  // Runs it on the selected channels; every change is one undoable step.
  void RunRowCommand(RowCommand command);

  CFlexGrid* Grid() const { return grid_; }
  // The in-place editor with a control id (1126-1134), and the open one.
  QWidget* Editor(int controlId) const;
  QWidget* OpenEditor() const;

  // F1 context for the focused control of the view.
  int HelpContext() const;

  // Rescales the view for a screen `screenWidth` pixels wide.
  void OnDisplayChange(int screenWidth);
  float AppliedScale() const { return appliedScale_; }

  QSize sizeHint() const override;

 signals:
  // The row selection changed: the frame updates its row commands.
  void rowSelectionChanged();
  // The row headers' context menu was asked for at global position `at`;
  // the main window shows the channel commands there.
  void rowMenuRequested(const QPoint& at);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class CellEditorOverlay;

  void SetUpColumns();
  void ApplyScale(float factor);
  void OnEnterCell();
  void OnLeaveCell();
  void OnScroll();
  void KeepCurrentCellInView();
  // Encodes the given table rows (record indices) into the image and
  // records one step; the rows are then read back so grid and image agree.
  bool StoreRows(const QString& text, const std::vector<int>& rows);
  // Stores the row of a cell the overlay's editor changed.
  void StoreCellEdit(int gridRow, int gridCol);
  QString EditStepText(int gridRow, int gridCol) const;
  void OnImageChanged();
  bool HandleGridKey(QKeyEvent* event);

  CProgramDoc& doc_;
  ChannelGridModel* model_ = nullptr;
  CFlexGrid* grid_ = nullptr;
  CellEditorOverlay* editors_ = nullptr;
  ChannelRowActions* rows_ = nullptr;
  std::array<int, 10> designWidths_{};  // column widths before scaling
  bool storing_ = false;                // the image change is the grid's own
  float appliedScale_ = 1.0f;
  bool keepInViewPending_ = false;  // a resize asked to keep the current cell in view
  bool followingResize_ = false;    // that scroll is under way
};

}  // namespace radio
