// The channel view's whole-channel commands: row selection from the row
// headers, copy / cut / paste through the clipboard, insert, delete, move,
// clear and sort. The byte work is in channel_rows; each change is one
// undoable step.
#pragma once

#include <QObject>
#include <vector>

#include "image/radio_image.h"

class QKeyEvent;

namespace radio {

class CProgramDoc;
class CProgramView;
class ChannelGridModel;
class CFlexGrid;

enum class RowCommand {
  kCopy,
  kCut,
  kPaste,
  kInsert,
  kDelete,
  kMoveUp,
  kMoveDown,
  kClear,
  kSortFrequency,
  kSortName
};

class ChannelRowActions : public QObject {
  Q_OBJECT
 public:
  ChannelRowActions(CProgramView& view, CFlexGrid& grid, ChannelGridModel& model, CProgramDoc& doc);

  // The selected channels as record indices 0-127, ascending.
  std::vector<int> SelectedChannels() const;
  // Selects channels `first`..`last` (record indices) as whole rows.
  void SelectChannels(int first, int last);
  // Whether the command can act now (a row selection; for paste, channels
  // on the clipboard).
  bool CanRun(RowCommand command) const;
  // Runs it on the selected channels; every change is one undoable step.
  void Run(RowCommand command);
  // The grid's keys for the commands, with a row selection only; true when
  // the key ran one.
  bool HandleKey(QKeyEvent* event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnRowHeaderPressed(int gridRow, Qt::KeyboardModifiers modifiers);
  void StoreImageChange(const QString& text, const RadioImage& before,
                        const std::vector<int>& select);
  void CopyChannels(const std::vector<int>& indices) const;
  void PasteChannelsFromClipboard();

  CProgramView& view_;
  CFlexGrid& grid_;
  ChannelGridModel& model_;
  CProgramDoc& doc_;
  QObject* headerViewport_ = nullptr;  // where presses on the row headers arrive
  int rowAnchor_ = -1;                 // where a Shift-extended row selection starts
};

}  // namespace radio
