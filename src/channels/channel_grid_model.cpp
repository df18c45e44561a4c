#include "channels/channel_grid_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace radio {
namespace {

const char* const kHeadersEnglish[ChannelGridModel::kCols] = {
    "CH", "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
    "Chnnel Name", "Power", " W/N ", "Scan Add", "Busy Lock"};
const char* const kHeadersChinese[ChannelGridModel::kCols] = {
    "信道", "接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码",
    "信道名字", "功率", "宽/窄", "扫描添加", "繁忙锁定"};

}  // namespace

ChannelGridModel::ChannelGridModel(Language lang, QObject* parent)
    : QAbstractTableModel(parent), lang_(lang) {}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kRows;
}
int ChannelGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kCols;
}

QString ChannelGridModel::TextMatrix(int row, int col) const {
  if (row < 0 || row >= kRows || col < 0 || col >= kCols) return {};
  if (row == 0)
    return QString::fromUtf8(lang_ == Language::Chinese ? kHeadersChinese[col] : kHeadersEnglish[col]);
  if (col == 0) return row == kRows - 1 ? QStringLiteral("Fr") : QString::number(row);
  return QString::fromStdString(table_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)]);
}

void ChannelGridModel::SetTextMatrix(int row, int col, const QString& text) {
  if (row < 1 || row >= kRows || col < 1 || col >= kCols) return;
  auto& cell = table_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
  const std::string value = text.toStdString();
  if (cell == value) return;
  cell = value;
  emit dataChanged(index(row, col), index(row, col));
}

void ChannelGridModel::TableReset() {
  emit dataChanged(index(1, 1), index(kRows - 1, kCols - 1));
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const bool fixed = index.row() == 0 || index.column() == 0;
  switch (role) {
    case Qt::DisplayRole:
      return TextMatrix(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
      // Fixed cells: red 0, green 50, blue 240.
      return fixed ? QVariant(QBrush(QColor(0, 50, 240))) : QVariant();
    case Qt::BackgroundRole:
      return fixed ? QVariant(QBrush(QColor(0xE0, 0xE0, 0xE0))) : QVariant();
    case Qt::FontRole:
      if (index.column() == 5 && index.row() > 0) return QFont("Courier");
      return {};
    default:
      return {};
  }
}

}  // namespace radio
