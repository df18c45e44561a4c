#include "channels/program_view.h"

#include <algorithm>

#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "base/app_context.h"
#include "base/help.h"
#include "channels/cell_editor_overlay.h"
#include "channels/channel_grid_model.h"
#include "channels/flex_grid.h"
#include "channels/grid_layout.h"

namespace radio {
namespace {

constexpr int kWheelNotch = 120;

bool IsEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

CProgramView::CProgramView(CProgramDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  model_ = new ChannelGridModel(App().language, this);
  grid_ = new CFlexGrid(model_, this);
  grid_->setProperty(kControlIdProperty, kGridControlId);
  QFont gridFont("Times New Roman");
  gridFont.setPointSizeF(8.25);
  grid_->setFont(gridFont);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);

  SetUpColumns();
  editors_ = new CellEditorOverlay(*this, *grid_, *model_, doc_);
  rows_ = new ChannelRowActions(*this, *grid_, *model_, doc_);

  connect(grid_, &CFlexGrid::EnterCell, this, &CProgramView::OnEnterCell);
  connect(grid_, &CFlexGrid::LeaveCell, this, &CProgramView::OnLeaveCell);
  connect(grid_, &CFlexGrid::MouseDown, editors_, &CellEditorOverlay::Show);
  connect(grid_, &CFlexGrid::Scroll, this, &CProgramView::OnScroll);
  connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, editors_,
          &CellEditorOverlay::Place);
  grid_->installEventFilter(this);
  grid_->viewport()->installEventFilter(this);
  connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { emit rowSelectionChanged(); });
  connect(&doc_, &CProgramDoc::imageChanged, this, &CProgramView::OnImageChanged);

  if (QScreen* screen = QGuiApplication::primaryScreen())
    connect(screen, &QScreen::geometryChanged, this,
            [this](const QRect& geometry) { OnDisplayChange(geometry.width()); });

  setWindowTitle(App().Tr("Channel Information", "信道信息"));
  doc_.SetCommitHook([this] { CommitToImage(); });
}

CProgramView::~CProgramView() {
  doc_.SetCommitHook({});
}

void CProgramView::SetUpColumns() {
  // Widths follow column 0's width, the grid's default column width.
  const auto widths = ColumnWidths(grid_->horizontalHeader()->defaultSectionSize());
  for (int c = 0; c < ChannelGridModel::kCols; ++c)
    grid_->SetColWidth(c, widths[static_cast<std::size_t>(c)]);
  designWidths_ = widths;
}

QWidget* CProgramView::Editor(int controlId) const {
  return editors_->Editor(controlId);
}

QWidget* CProgramView::OpenEditor() const {
  return editors_->OpenEditor();
}

void CProgramView::OnInitialUpdate() {
  setWindowTitle(App().Tr("Channel Information", "信道信息"));
  const QString iconPath = App().programDir + "title.ico";
  if (QFileInfo::exists(iconPath)) {
    const QIcon icon(iconPath);
    setWindowIcon(icon);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->setWindowIcon(icon);
  }
  editors_->HideAll();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    OnDisplayChange(screen->geometry().width());
  FillFromImage();
}

void CProgramView::OnDisplayChange(int screenWidth) {
  const float factor = RescaleFactor(screenWidth, appliedScale_);
  // A narrow screen changes nothing, the kept scale included.
  if (screenWidth > kScaleThreshold) appliedScale_ = ScreenScale(screenWidth);
  ApplyScale(factor);
}

void CProgramView::ApplyScale(float factor) {
  if (factor == 1.0f) return;
  for (int c = 0; c < ChannelGridModel::kCols; ++c)
    grid_->SetColWidth(c, Scaled(grid_->ColWidth(c), factor));
  resize(Scaled(width(), factor), Scaled(height(), factor));
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->resize(Scaled(frame->width(), factor), Scaled(frame->height(), factor));
  editors_->Place();
}

QSize CProgramView::sizeHint() const {
  // The whole width of the ten columns and about twenty rows.
  int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < ChannelGridModel::kCols; ++c) width += grid_->ColWidth(c);
  const int height = 2 * grid_->frameWidth() + grid_->horizontalHeader()->sizeHint().height() +
                     20 * grid_->verticalHeader()->defaultSectionSize();
  return {width, height};
}

void CProgramView::FillFromImage() {
  editors_->HideAll();
  DecodeChannelTable(doc_.Image(), model_->Table(), App().band, App().language);
  model_->TableReset();
}

void CProgramView::RecordRunResult(const QString& text, const RadioImage& before, bool refillGrid) {
  storing_ = !refillGrid;
  doc_.RecordChange(text, before);
  storing_ = false;
}

bool CProgramView::CommitCellEdit() {
  return editors_->Commit(CommitTrigger::kLeaveCell);
}

void CProgramView::CommitToImage() {
  CommitCellEdit();
  EncodeChannelTable(model_->Table(), App().band.limits, doc_.Image());
}

const ChannelTable& CProgramView::Table() const {
  return model_->Table();
}

QString CProgramView::CellText(int gridRow, int gridCol) const {
  return model_->TextMatrix(gridRow, gridCol);
}

bool CProgramView::SelectChannel(int gridRow, int gridCol) {
  if (gridRow < 1 || gridRow > kChannelRecords) return false;
  if (gridCol < 1 || gridCol > kChannelFieldCount) gridCol = std::max(grid_->Col(), 1);
  grid_->SetRowCol(gridRow, gridCol);
  if (grid_->Row() != gridRow || grid_->Col() != gridCol) return false;
  editors_->HideAll();  // entering the cell opened its editor; the user only looks
  grid_->scrollTo(grid_->currentIndex());
  grid_->setFocus();
  return true;
}

void CProgramView::StoreCellEdit(int gridRow, int gridCol) {
  StoreRows(EditStepText(gridRow, gridCol), {gridRow - 1});
}

bool CProgramView::SetCell(int gridRow, int gridCol, const QString& text) {
  if (!model_->SetTextMatrix(gridRow, gridCol, text)) return false;
  StoreRows(EditStepText(gridRow, gridCol), {gridRow - 1});
  return true;
}

bool CProgramView::SetCellValue(int gridRow, int gridCol, const std::string& value) {
  if (!model_->SetCellValue(gridRow, gridCol, value)) return false;
  StoreRows(EditStepText(gridRow, gridCol), {gridRow - 1});
  return true;
}

QString CProgramView::EditStepText(int gridRow, int gridCol) const {
  return tr("Edit channel %1 %2")
      .arg(model_->TextMatrix(gridRow, 0), model_->TextMatrix(0, gridCol).trimmed());
}

bool CProgramView::StoreRows(const QString& text, const std::vector<int>& rows) {
  RadioImage& image = doc_.Image();
  const RadioImage before = image;
  // Only the edited texts of the edited records are encoded: every other
  // byte of the image stays exactly as it was.
  for (int r : rows)
    StoreChangedChannelFields(model_->Table()[static_cast<std::size_t>(r)],
                              image.data() + static_cast<std::size_t>(r) * kChannelRecordSize);
  storing_ = true;
  const bool recorded = doc_.RecordChange(text, before);
  storing_ = false;
  // Read back what was stored, so that the grid shows the image.
  for (int r : rows) {
    auto& row = model_->Table()[static_cast<std::size_t>(r)];
    row = RowAfterStore(row, image.data() + static_cast<std::size_t>(r) * kChannelRecordSize,
                        App().language);
  }
  model_->TableReset();
  return recorded;
}

void CProgramView::OnImageChanged() {
  if (storing_) return;
  // Undo, redo, a dialog or a read changed the image: show it. The current
  // cell, the row selection and the scroll position stay.
  FillFromImage();
}

bool CProgramView::DropPendingEdit() {
  return editors_->DropPendingEdit();
}

std::vector<int> CProgramView::SelectedChannels() const {
  return rows_->SelectedChannels();
}

void CProgramView::SelectChannels(int first, int last) {
  rows_->SelectChannels(first, last);
}

bool CProgramView::CanRunRowCommand(RowCommand command) const {
  return rows_->CanRun(command);
}

void CProgramView::RunRowCommand(RowCommand command) {
  rows_->Run(command);
}

// --- Grid events ---

void CProgramView::OnEnterCell() {
  // Moving with the arrow keys or Tab walks the grid; Enter or F2 opens the editor.
  if (grid_->MovedByKeyboard()) return;
  editors_->Show();
}

void CProgramView::OnLeaveCell() {
  if (!CommitCellEdit()) grid_->CancelCellChange();
}

void CProgramView::KeepCurrentCellInView() {
  keepInViewPending_ = false;
  // The window changed size: the current cell stays in view, and an open
  // editor moves along with its cell instead of closing.
  followingResize_ = true;
  grid_->scrollTo(grid_->currentIndex());
  followingResize_ = false;
  editors_->Place();
}

void CProgramView::OnScroll() {
  if (followingResize_) return;
  // The cells have moved under the editor: close it, without a commit.
  editors_->HideAll();
  grid_->viewport()->update();
}

// --- Keys, wheel, help ---

int CProgramView::HelpContext() const {
  for (QWidget* w = focusWidget(); w && w != this; w = w->parentWidget()) {
    const QVariant id = w->property(kControlIdProperty);
    if (id.isValid()) return CellHelpContext(id.toInt(), grid_->Col());
  }
  return kGridControlId;
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->viewport()) {
    if (event->type() == QEvent::Wheel) {
      // One notch of the wheel pages the grid; other deltas scroll as usual.
      const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
      if (delta == -kWheelNotch) grid_->PageDown();
      if (delta == kWheelNotch) grid_->PageUp();
      return delta == kWheelNotch || delta == -kWheelNotch;
    }
    if (event->type() == QEvent::Resize) {
      editors_->Place();
      // Once the grid has laid out its new size (after this event).
      if (!keepInViewPending_) {
        keepInViewPending_ = true;
        QMetaObject::invokeMethod(this, &CProgramView::KeepCurrentCellInView, Qt::QueuedConnection);
      }
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  if (watched == grid_) return HandleGridKey(static_cast<QKeyEvent*>(event));
  return false;
}

bool CProgramView::HandleGridKey(QKeyEvent* event) {
  if (rows_->HandleKey(event)) return true;
  if (event->key() == Qt::Key_F1) {
    ShowHelpContext(HelpContext());
    return true;
  }
  if (IsEnter(event) || event->key() == Qt::Key_F2) {
    editors_->Show();
    return true;
  }
  return false;  // arrows, Tab, pages: the grid moves its current cell
}

}  // namespace radio
