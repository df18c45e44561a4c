// The channel grid's cells, addressed as the grid addresses them: 130 rows
// x 10 columns, row 0 the fixed header row and column 0 the fixed row-label
// column. The fixed cells are the table view's headers (so they stay in
// place while the grid scrolls); rows 1-129 x columns 1-9 are the channel
// texts, the working copy of the channel table.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include "image/channel_codec.h"

namespace radio {

class ChannelGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kRows = 130;  // grid rows, header row included
  static constexpr int kCols = 10;   // grid columns, label column included
  static constexpr int kNameColumn = 5;

  explicit ChannelGridModel(Language lang, QObject* parent = nullptr);

  // Item model: the 129 x 9 channel cells; headerData gives the fixed cells.
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // TextMatrix(row, col) of the grid, header row and label column included.
  QString TextMatrix(int row, int col) const;
  // Writes a cell from the text shown. Returns whether the cell changed.
  bool SetTextMatrix(int row, int col, const QString& text);
  // The one way a channel cell changes, in the table's own form (names as
  // the radio's bytes); emits cellTextChanged when it does. Fixed cells
  // cannot be written.
  bool SetCellValue(int row, int col, const std::string& value);

  // Grid coordinates of an item index and back.
  static int GridRow(const QModelIndex& index) { return index.row() + 1; }
  static int GridCol(const QModelIndex& index) { return index.column() + 1; }
  QModelIndex IndexOf(int gridRow, int gridCol) const { return index(gridRow - 1, gridCol - 1); }

  // The texts as the codec reads and writes them. After writing the table
  // directly (a fill), call TableReset.
  ChannelTable& Table() { return table_; }
  const ChannelTable& Table() const { return table_; }
  void TableReset();

 signals:
  // A cell edit changed a text (not emitted by a fill).
  void cellTextChanged(int row, int col, const QString& oldText, const QString& newText);

 private:
  Language lang_;
  ChannelTable table_;
};

}  // namespace radio
