// CProgramView: the channel grid of one document. Its cell texts are the
// working copy of the channel table; the image is brought up to date from
// them only at commit points (save, clone run, Write). Cells are edited in
// place: an editor for the current column is laid over the cell, and
// leaving the cell validates and commits its text.
#pragma once

#include <QWidget>
#include <array>

#include "channels/cell_commit.h"
#include "image/channel_codec.h"
#include "image/program_doc.h"

class QComboBox;
class QLineEdit;
class QKeyEvent;

namespace radio {

class ChannelGridModel;
class FlexGrid;

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
  // Takes over a value still in a cell editor (as leaving the cell does).
  // False when the value was refused and the editor stays open.
  bool CommitCellEdit();
  // Grid -> image (EncodeChannelTable), after completing any cell edit.
  void CommitToImage();

  // The cell texts (row 0-128 = grid rows 1-129, column 0-8 = grid columns 1-9).
  const ChannelTable& Table() const;
  QString CellText(int gridRow, int gridCol) const;
  // The one way a channel cell is written; a changed text marks the
  // document modified. Returns whether the text changed.
  bool SetCell(int gridRow, int gridCol, const QString& text);
  // The same in the table's own form (a name as the radio's bytes).
  bool SetCellValue(int gridRow, int gridCol, const std::string& value);

  // Makes a channel's cell current and scrolls it into view, without
  // opening its editor: grid row 1-129, column 1-9 (0 keeps the current
  // column). A cell edit in progress is completed first, as leaving the
  // cell does; false when that edit was refused or the row does not exist.
  bool SelectChannel(int gridRow, int gridCol = 0);

  FlexGrid* Grid() const { return grid_; }
  // The in-place editor with a control id (1126-1134), and the open one.
  QWidget* Editor(int controlId) const;
  QWidget* OpenEditor() const { return openEditor_; }

  // F1 context for the focused control of the view.
  int HelpContext() const;

  // Rescales the view for a screen `screenWidth` pixels wide.
  void OnDisplayChange(int screenWidth);
  float AppliedScale() const { return appliedScale_; }

  QSize sizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUpColumns();
  void CreateEditors();
  void ApplyScale(float factor);
  void OnEnterCell();
  void OnLeaveCell();
  void OnMouseDown();
  void OnScroll();
  // Lays the current column's editor over the current cell, pre-set from it.
  void ShowEditor();
  void PlaceEditor();
  void HideEditors();
  bool CommitEditor(CommitTrigger trigger);
  QString EditorText() const;
  void ShowCellMessage(CellMessage message);
  bool HandleGridKey(QKeyEvent* event);
  bool HandleEditorKey(QWidget* editor, QKeyEvent* event);

  CProgramDoc& doc_;
  ChannelGridModel* model_ = nullptr;
  FlexGrid* grid_ = nullptr;
  QLineEdit* frequencyEdit_ = nullptr;  // 1127
  QLineEdit* nameEdit_ = nullptr;       // 1126
  QComboBox* toneList_ = nullptr;       // 1132
  QComboBox* powerList_ = nullptr;      // 1129
  QComboBox* bandwidthList_ = nullptr;  // 1128
  QComboBox* scanAddList_ = nullptr;    // 1134
  QComboBox* busyLockList_ = nullptr;   // 1130
  QWidget* openEditor_ = nullptr;       // the visible editor, if any
  int editRow_ = 0;                     // the cell the open editor belongs to
  int editCol_ = 0;
  QString editShown_;                   // the cell's text when its editor opened
  std::array<int, 10> designWidths_{};  // column widths before scaling
  float appliedScale_ = 1.0f;
};

}  // namespace radio
