// CProgramView: the channel grid of one document. Its cell texts are the
// working copy of the channel table; the image is brought up to date from
// them only at commit points (save, clone run, Write).
#pragma once

#include <QWidget>

#include "image/channel_codec.h"
#include "image/program_doc.h"

class QTableView;

namespace radio {

class ChannelGridModel;

class CProgramView : public QWidget {
  Q_OBJECT
 public:
  explicit CProgramView(CProgramDoc& doc, QWidget* parent = nullptr);
  ~CProgramView() override;

  CProgramDoc& Document() { return doc_; }

  // Set-up on every New and Open: row labels, fonts, then the fill.
  void OnInitialUpdate();

  // Image -> grid (DecodeChannelTable), also after a read from the radio.
  void FillFromImage();
  // Takes over a value still in a cell editor.
  void CommitCellEdit();
  // Grid -> image (EncodeChannelTable), after completing any cell edit.
  void CommitToImage();

  // The cell texts (row 0-128 = grid rows 1-129, column 0-8 = grid columns 1-9).
  const ChannelTable& Table() const;
  QString CellText(int gridRow, int gridCol) const;

  QTableView* Grid() const { return grid_; }

 private:
  CProgramDoc& doc_;
  ChannelGridModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
};

}  // namespace radio
