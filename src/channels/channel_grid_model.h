// The channel grid's cells: 130 rows x 10 columns of texts, row 0 the
// header row and column 0 the row labels, as the grid shows them.
#pragma once

#include <QAbstractTableModel>

#include "image/channel_codec.h"

namespace radio {

class ChannelGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kRows = 130;
  static constexpr int kCols = 10;

  explicit ChannelGridModel(Language lang, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // TextMatrix(row, col) of the grid, header row and label column included.
  QString TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);

  ChannelTable& Table() { return table_; }
  const ChannelTable& Table() const { return table_; }
  // Tells the views that every channel cell may have changed.
  void TableReset();

 private:
  Language lang_;
  ChannelTable table_;
};

}  // namespace radio
