#include "channels/channel_row_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "base/app_context.h"
#include "base/message_box.h"
#include "channels/channel_grid_model.h"
#include "channels/channel_rows.h"
#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "image/name_text.h"
#include "interchange/channel_csv_export.h"
#include "interchange/channel_csv_import.h"

namespace radio {
namespace {

// Carries whole channel records between our own windows byte for byte;
// CSV and tab-separated text go alongside for other programs.
constexpr char kChannelRecordsMime[] = "application/x-radioprog-channel-records";
constexpr char kCsvMime[] = "text/csv";

}  // namespace

ChannelRowActions::ChannelRowActions(CProgramView& view, CFlexGrid& grid, ChannelGridModel& model,
                                     CProgramDoc& doc)
    : QObject(&view), view_(view), grid_(grid), model_(model), doc_(doc) {
  QHeaderView* rows = grid_.verticalHeader();
  headerViewport_ = rows->viewport();
  headerViewport_->installEventFilter(this);
  rows->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(rows, &QWidget::customContextMenuRequested, this, [this, rows](const QPoint& at) {
    emit view_.rowMenuRequested(rows->viewport()->mapToGlobal(at));
  });
}

bool ChannelRowActions::eventFilter(QObject* watched, QEvent* event) {
  // The type first: the grid may be half torn down when its last events come.
  if (event->type() != QEvent::MouseButtonPress || watched != headerViewport_) return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const int section = grid_.verticalHeader()->logicalIndexAt(mouse->position().toPoint());
  if (section < 0) return false;
  if (mouse->button() == Qt::RightButton && SelectedChannels().size() > 1 &&
      grid_.selectionModel()->isRowSelected(section, {}))
    return false;  // the context menu acts on the whole selection
  OnRowHeaderPressed(section + 1,
                     mouse->button() == Qt::LeftButton ? mouse->modifiers() : Qt::NoModifier);
  return false;
}

std::vector<int> ChannelRowActions::SelectedChannels() const {
  std::vector<int> indices;
  for (const QModelIndex& index : grid_.selectionModel()->selectedRows())
    indices.push_back(index.row());
  return NormaliseChannelSelection(indices);
}

void ChannelRowActions::SelectChannels(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, kChannelCount - 1);
  if (first > last) {
    grid_.selectionModel()->clearSelection();
    return;
  }
  const QItemSelection rows(model_.index(first, 0),
                            model_.index(last, ChannelGridModel::kCols - 2));
  grid_.selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
  grid_.scrollTo(model_.index(first, 0));
}

void ChannelRowActions::OnRowHeaderPressed(int gridRow, Qt::KeyboardModifiers modifiers) {
  // Leaving the cell for a row: the edit in progress is taken over first.
  if (!view_.CommitCellEdit()) return;
  const int index = gridRow - 1;
  if (index < 0 || index >= kChannelCount) return;  // the FR row is no whole channel
  QItemSelectionModel* selection = grid_.selectionModel();
  const auto rowRange = [this](int a, int b) {
    return QItemSelection(model_.index(std::min(a, b), 0),
                          model_.index(std::max(a, b), ChannelGridModel::kCols - 2));
  };
  if ((modifiers & Qt::ShiftModifier) && rowAnchor_ >= 0) {
    selection->select(rowRange(rowAnchor_, index), QItemSelectionModel::ClearAndSelect);
  } else if (modifiers & Qt::ControlModifier) {
    // Ctrl adds or removes a channel; a single cell highlight goes.
    QItemSelection keep;
    for (int i : SelectedChannels()) keep.merge(rowRange(i, i), QItemSelectionModel::Select);
    keep.merge(rowRange(index, index), selection->isRowSelected(index, {})
                                           ? QItemSelectionModel::Deselect
                                           : QItemSelectionModel::Select);
    selection->select(keep, QItemSelectionModel::ClearAndSelect);
    rowAnchor_ = index;
  } else {
    selection->select(rowRange(index, index), QItemSelectionModel::ClearAndSelect);
    rowAnchor_ = index;
  }
}

bool ChannelRowActions::CanRun(RowCommand command) const {
  if (SelectedChannels().empty() || !view_.isEnabled()) return false;
  if (command != RowCommand::kPaste) return true;
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data &&
         (data->hasFormat(kChannelRecordsMime) || data->hasFormat(kCsvMime) || data->hasText());
}

bool ChannelRowActions::HandleKey(QKeyEvent* event) {
  // Only a row selection takes these keys; on a single cell Ctrl+C keeps
  // copying the cell's text and Delete / Insert do nothing.
  if (SelectedChannels().empty()) return false;
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  RowCommand command;
  if (event->matches(QKeySequence::Copy))
    command = RowCommand::kCopy;
  else if (event->matches(QKeySequence::Cut))
    command = RowCommand::kCut;
  else if (event->matches(QKeySequence::Paste))
    command = RowCommand::kPaste;
  else if (event->key() == Qt::Key_Delete && !ctrl)
    command = RowCommand::kDelete;
  else if (event->key() == Qt::Key_Insert && !ctrl)
    command = RowCommand::kInsert;
  else if (event->key() == Qt::Key_Up && ctrl)
    command = RowCommand::kMoveUp;
  else if (event->key() == Qt::Key_Down && ctrl)
    command = RowCommand::kMoveDown;
  else
    return false;
  Run(command);
  return true;
}

void ChannelRowActions::StoreImageChange(const QString& text, const RadioImage& before,
                                         const std::vector<int>& select) {
  doc_.RecordChange(text, before);  // the grid refills from the image
  if (!select.empty()) SelectChannels(select.front(), select.back());
}

void ChannelRowActions::Run(RowCommand command) {
  if (!CanRun(command) || !view_.CommitCellEdit()) return;
  const std::vector<int> sel = SelectedChannels();
  RadioImage& image = doc_.Image();
  const RadioImage before = image;
  const int first = sel.front(), last = sel.back();
  const int count = static_cast<int>(sel.size());
  switch (command) {
    case RowCommand::kCopy:
      CopyChannels(sel);
      return;
    case RowCommand::kCut:
      CopyChannels(sel);
      ClearChannels(image, sel);
      return StoreImageChange(CProgramView::tr("Cut channels"), before, sel);
    case RowCommand::kPaste:
      return PasteChannelsFromClipboard();
    case RowCommand::kInsert:
      if (!InsertEmptyChannels(image, first, count)) {
        ShowMessage(&view_,
                    CProgramView::tr(
                        "Channel 128 is in use: inserting would lose it. Delete or move it first."),
                    QMessageBox::Warning);
        return;
      }
      return StoreImageChange(CProgramView::tr("Insert empty channel"), before,
                              {first, first + count - 1});
    case RowCommand::kDelete:
      DeleteChannels(image, sel);
      return StoreImageChange(CProgramView::tr("Delete channels"), before, {first, first});
    case RowCommand::kClear:
      ClearChannels(image, sel);
      return StoreImageChange(CProgramView::tr("Clear channels"), before, sel);
    case RowCommand::kMoveUp:
    case RowCommand::kMoveDown: {
      const int delta = command == RowCommand::kMoveUp ? -1 : 1;
      if (!MoveChannels(image, sel, delta)) return;  // already at the edge
      StoreImageChange(
          delta < 0 ? CProgramView::tr("Move channels up") : CProgramView::tr("Move channels down"),
          before, {});
      QItemSelection moved;
      for (int i : sel)
        moved.merge(QItemSelection(model_.index(i + delta, 0),
                                   model_.index(i + delta, ChannelGridModel::kCols - 2)),
                    QItemSelectionModel::Select);
      grid_.selectionModel()->select(moved, QItemSelectionModel::ClearAndSelect);
      grid_.scrollTo(model_.index(delta < 0 ? first - 1 : last + 1, 0));
      return;
    }
    case RowCommand::kSortFrequency:
    case RowCommand::kSortName: {
      const bool byName = command == RowCommand::kSortName;
      SortChannels(image, sel, byName ? ChannelSortKey::kName : ChannelSortKey::kReceiveFrequency);
      StoreImageChange(byName ? CProgramView::tr("Sort channels by name")
                              : CProgramView::tr("Sort channels by receive frequency"),
                       before, {});
      QItemSelection keep;
      for (int i : sel)
        keep.merge(QItemSelection(model_.index(i, 0), model_.index(i, ChannelGridModel::kCols - 2)),
                   QItemSelectionModel::Select);
      grid_.selectionModel()->select(keep, QItemSelectionModel::ClearAndSelect);
      return;
    }
  }
}

void ChannelRowActions::CopyChannels(const std::vector<int>& indices) const {
  const RadioImage& image = doc_.Image();
  // CSV of the selected channels only (empty ones have no line).
  RadioImage selectedOnly = image;
  for (int i = 0; i < kChannelCount; ++i)
    if (!std::binary_search(indices.begin(), indices.end(), i))
      WriteChannelRecord(selectedOnly, i, EmptyChannelRecord());
  std::vector<ChannelRow> rows;
  for (int i : indices) {
    ChannelRow row;
    for (int c = 1; c < ChannelGridModel::kCols; ++c)
      row[static_cast<std::size_t>(c - 1)] = model_.TextMatrix(i + 1, c).toStdString();
    rows.push_back(row);
  }
  const std::string records = PackChannelRecords(image, indices);
  auto* data = new QMimeData;
  data->setData(kChannelRecordsMime,
                QByteArray(records.data(), static_cast<qsizetype>(records.size())));
  data->setData(kCsvMime,
                QByteArray::fromStdString(ExportChannelsCsv(selectedOnly, App().band.limits)));
  data->setText(QString::fromStdString(ChannelRowsToTabText(rows)));
  QApplication::clipboard()->setMimeData(data);
}

void ChannelRowActions::PasteChannelsFromClipboard() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (!data) return;
  std::vector<ChannelRecord> records;
  QString problem;
  if (data->hasFormat(kChannelRecordsMime)) {
    const QByteArray bytes = data->data(kChannelRecordsMime);
    records = UnpackChannelRecords(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } else if (data->hasFormat(kCsvMime)) {
    const QByteArray csv = data->data(kCsvMime);
    const ChannelImportPlan plan =
        PlanChannelImport(std::string_view(csv.constData(), static_cast<std::size_t>(csv.size())),
                          doc_.Image(), App().band.limits, App().language);
    for (const ImportRow& row : plan.rows)
      if (!row.skipped) records.push_back(row.newRecord);
    const auto problems = plan.AllProblems();
    if (!problems.empty()) problem = QString::fromStdString(problems.front().Text(App().language));
  } else if (data->hasText()) {
    // Tab-separated lines as a spreadsheet copies them, in the grid's
    // column order; each is checked as typing it into the grid would be.
    const std::vector<ChannelRow> rows = TabTextToChannelRows(data->text().toStdString());
    int line = 0;
    for (const ChannelRow& texts : rows) {
      ++line;
      ChannelRow row{};
      for (int f = 0; f < kChannelFieldCount && problem.isEmpty(); ++f) {
        std::string value = texts[static_cast<std::size_t>(f)];
        if (f == kChannelName)
          value = TextToNameBytes(QString::fromStdString(value), App().language);
        if (f != kRxFrequency && value.empty()) continue;
        const CellCommitOutcome out =
            DecideCellCommit(row, static_cast<ChannelField>(f), value, App().band.limits,
                             App().language, CommitTrigger::kLeaveCell);
        if (out.message != CellMessage::kNone)
          problem = CProgramView::tr("Line %1: the receive frequency \"%2\" cannot be stored.")
                        .arg(line)
                        .arg(QString::fromStdString(texts[kRxFrequency]));
        row = out.row;
      }
      if (!problem.isEmpty()) break;
      ChannelRecord record = EmptyChannelRecord();
      EncodeChannelRecord(row, record.data());
      records.push_back(record);
    }
    if (!problem.isEmpty()) records.clear();
  }
  if (records.empty()) {
    ShowMessage(&view_,
                problem.isEmpty() ? CProgramView::tr("The clipboard holds no channels.") : problem,
                QMessageBox::Warning);
    return;
  }
  const std::vector<int> sel = SelectedChannels();
  const int count = static_cast<int>(records.size());
  const std::vector<int> targets = PasteTargets(sel, count);
  if (targets.empty()) return;
  if (static_cast<int>(sel.size()) != count && sel.size() > 1) {
    const auto answer =
        ShowMessage(&view_,
                    CProgramView::tr("The clipboard holds %1 channels but %2 are selected. Paste "
                                     "%3 channels from channel %4 on?")
                        .arg(count)
                        .arg(sel.size())
                        .arg(targets.size())
                        .arg(targets.front() + 1),
                    QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
  } else if (static_cast<int>(targets.size()) < count) {
    const auto answer = ShowMessage(
        &view_,
        CProgramView::tr("Only %1 of the %2 channels fit before channel 128. Paste them?")
            .arg(targets.size())
            .arg(count),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
  }
  RadioImage& image = doc_.Image();
  const RadioImage before = image;
  PasteChannels(image, targets, records);
  StoreImageChange(CProgramView::tr("Paste channels"), before, {targets.front(), targets.back()});
  if (!problem.isEmpty())
    ShowMessage(&view_, CProgramView::tr("Some rows were skipped: %1").arg(problem),
                QMessageBox::Warning);
}

}  // namespace radio
