#include "channels/channel_grid_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "image/name_text.h"

namespace radio {
namespace {

// Text colour of the fixed cells: red 0, green 50, blue 240.
const QColor kFixedTextColour(0, 50, 240);

bool IsChannelCell(int row, int col) {
  return row >= 1 && row < ChannelGridModel::kRows && col >= 1 && col < ChannelGridModel::kCols;
}

}  // namespace

ChannelGridModel::ChannelGridModel(Language lang, QObject* parent)
    : QAbstractTableModel(parent), lang_(lang) {}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kRows - 1;
}
int ChannelGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kCols - 1;
}

QString ChannelGridModel::TextMatrix(int row, int col) const {
  if (row < 0 || row >= kRows || col < 0 || col >= kCols) return {};
  if (row == 0)
    return QString::fromUtf8(ChannelColumnTitle(col, lang_));
  if (col == 0) return QString::fromStdString(ChannelRowLabel(row - 1));
  const std::string& cell =
      table_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
  return col == kNameColumn ? NameBytesToText(cell, lang_) : QString::fromStdString(cell);
}

bool ChannelGridModel::SetTextMatrix(int row, int col, const QString& text) {
  return SetCellValue(row, col,
                      col == kNameColumn ? TextToNameBytes(text, lang_) : text.toStdString());
}

bool ChannelGridModel::SetCellValue(int row, int col, const std::string& value) {
  if (!IsChannelCell(row, col)) return false;
  auto& cell = table_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
  if (cell == value) return false;
  const QString oldText = TextMatrix(row, col);
  cell = value;
  const QModelIndex at = IndexOf(row, col);
  emit dataChanged(at, at, {Qt::DisplayRole});
  emit cellTextChanged(row, col, oldText, TextMatrix(row, col));
  return true;
}

void ChannelGridModel::TableReset() {
  emit dataChanged(index(0, 0), index(kRows - 2, kCols - 2), {Qt::DisplayRole});
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return TextMatrix(GridRow(index), GridCol(index));
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::FontRole:
      if (GridCol(index) == kNameColumn) return QFont("Courier");
      return {};
    default:
      return {};
  }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  // Horizontal section s is grid column s + 1 of row 0; vertical section s is
  // grid row s + 1 of column 0. The corner cell (0, 0) is the "CH" header.
  const int row = orientation == Qt::Horizontal ? 0 : section + 1;
  const int col = orientation == Qt::Horizontal ? section + 1 : 0;
  switch (role) {
    case Qt::DisplayRole:
      return TextMatrix(row, col);
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
      return QBrush(kFixedTextColour);
    default:
      return {};
  }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace radio
