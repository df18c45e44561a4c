#include "channels/program_view.h"

#include <algorithm>

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QValidator>
#include <QWheelEvent>

#include "base/app_context.h"
#include "base/help.h"
#include "base/message_box.h"
#include "channels/channel_grid_model.h"
#include "channels/flex_grid.h"
#include "channels/grid_layout.h"
#include "image/name_text.h"

namespace radio {
namespace {

constexpr char kControlId[] = "controlId";
constexpr std::size_t kNameLimit = 7;  // bytes the name editor lets the user type
constexpr int kFrequencyLimit = 9;     // "%3.5f" of a frequency up to 999 MHz
constexpr int kWheelNotch = 120;

// The name editor: typing cannot make a name longer than 7 bytes as stored
// (a Chinese character takes two), but an 8-byte name read from a radio or
// file is shown, and kept, whole.
class NameLengthValidator : public QValidator {
 public:
  explicit NameLengthValidator(QObject* parent) : QValidator(parent) {}
  void SetOriginal(const QString& text) { original_ = text; }
  State validate(QString& input, int&) const override {
    const auto stored = TextToNameBytes(input, App().language).size();
    return stored <= kNameLimit || input == original_ ? Acceptable : Invalid;
  }

 private:
  QString original_;
};

QStringList ToQStringList(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<int>(items.size()));
  for (const auto& item : items) out << QString::fromStdString(item);
  return out;
}

EditorKey ClassifyFrequencyKey(const QKeyEvent* event) {
  const int key = event->key();
  const bool keypad = event->modifiers() & Qt::KeypadModifier;
  if (key == Qt::Key_Backspace) return EditorKey::kBackspace;
  if (key == Qt::Key_Delete) return EditorKey::kDelete;
  if (key >= Qt::Key_0 && key <= Qt::Key_9)
    return keypad ? EditorKey::kKeypadDigit : EditorKey::kDigit;
  if (keypad && (key == Qt::Key_Period || key == Qt::Key_Comma)) return EditorKey::kKeypadPoint;
  if (key == Qt::Key_Period) return EditorKey::kFullStop;
  if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)
    return EditorKey::kArrow;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return EditorKey::kEnter;
  return EditorKey::kOther;
}

bool IsEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

CProgramView::CProgramView(CProgramDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  model_ = new ChannelGridModel(App().language, this);
  grid_ = new FlexGrid(model_, this);
  grid_->setProperty(kControlId, kGridControlId);
  QFont gridFont("Times New Roman");
  gridFont.setPointSizeF(8.25);
  grid_->setFont(gridFont);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);

  SetUpColumns();
  CreateEditors();

  connect(grid_, &FlexGrid::EnterCell, this, &CProgramView::OnEnterCell);
  connect(grid_, &FlexGrid::LeaveCell, this, &CProgramView::OnLeaveCell);
  connect(grid_, &FlexGrid::MouseDown, this, &CProgramView::OnMouseDown);
  connect(grid_, &FlexGrid::Scroll, this, &CProgramView::OnScroll);
  connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { PlaceEditor(); });
  grid_->installEventFilter(this);
  grid_->viewport()->installEventFilter(this);
  grid_->verticalHeader()->viewport()->installEventFilter(this);
  grid_->verticalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_->verticalHeader(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) {
            emit rowMenuRequested(grid_->verticalHeader()->viewport()->mapToGlobal(at));
          });
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

void CProgramView::CreateEditors() {
  QWidget* host = grid_->viewport();
  const auto makeList = [&](int id, const QStringList& items) {
    auto* list = new QComboBox(host);
    list->addItems(items);
    list->setProperty(kControlId, id);
    list->setMaxVisibleItems(12);
    return list;
  };
  const Language lang = App().language;
  frequencyEdit_ = new QLineEdit(host);
  frequencyEdit_->setMaxLength(kFrequencyLimit);
  frequencyEdit_->setProperty(kControlId, kFrequencyEditId);
  nameEdit_ = new QLineEdit(host);
  nameEdit_->setValidator(new NameLengthValidator(nameEdit_));
  nameEdit_->setProperty(kControlId, kNameEditId);
  toneList_ = makeList(kToneListId, ToQStringList(ToneList(lang)));
  powerList_ = makeList(kPowerListId, {App().Tr("Low", "低"), App().Tr("High", "高")});
  bandwidthList_ = makeList(kBandwidthListId, {App().Tr("Wide", "宽"), App().Tr("Narrow", "窄")});
  scanAddList_ = makeList(kScanAddListId, {App().Tr("Yes", "是"), App().Tr("No", "否")});
  busyLockList_ =
      makeList(kBusyLockListId, {App().Tr("Off", "关"), App().Tr("Carrier", "载波"), "QT/DQT"});
  for (QWidget* editor :
       {static_cast<QWidget*>(frequencyEdit_), static_cast<QWidget*>(nameEdit_),
        static_cast<QWidget*>(toneList_), static_cast<QWidget*>(powerList_),
        static_cast<QWidget*>(bandwidthList_), static_cast<QWidget*>(scanAddList_),
        static_cast<QWidget*>(busyLockList_)}) {
    editor->hide();
    editor->installEventFilter(this);
  }
}

QWidget* CProgramView::Editor(int controlId) const {
  switch (controlId) {
    case kFrequencyEditId:
      return frequencyEdit_;
    case kNameEditId:
      return nameEdit_;
    case kToneListId:
      return toneList_;
    case kPowerListId:
      return powerList_;
    case kBandwidthListId:
      return bandwidthList_;
    case kScanAddListId:
      return scanAddList_;
    case kBusyLockListId:
      return busyLockList_;
    default:
      return nullptr;
  }
}

void CProgramView::OnInitialUpdate() {
  setWindowTitle(App().Tr("Channel Information", "信道信息"));
  const QString iconPath = App().programDir + "title.ico";
  if (QFileInfo::exists(iconPath)) {
    const QIcon icon(iconPath);
    setWindowIcon(icon);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->setWindowIcon(icon);
  }
  HideEditors();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    OnDisplayChange(screen->geometry().width());
  FillFromImage();
}

void CProgramView::OnDisplayChange(int screenWidth) {
  const float factor = RescaleFactor(screenWidth, appliedScale_);
  appliedScale_ = ScreenScale(screenWidth);
  ApplyScale(factor);
}

void CProgramView::ApplyScale(float factor) {
  if (factor == 1.0f) return;
  for (int c = 0; c < ChannelGridModel::kCols; ++c)
    grid_->SetColWidth(c, Scaled(grid_->ColWidth(c), factor));
  resize(Scaled(width(), factor), Scaled(height(), factor));
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->resize(Scaled(frame->width(), factor), Scaled(frame->height(), factor));
  PlaceEditor();
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
  HideEditors();
  DecodeChannelTable(doc_.Image(), model_->Table(), App().band, App().language);
  model_->TableReset();
}

void CProgramView::RecordRunResult(const QString& text, const RadioImage& before, bool refillGrid) {
  storing_ = !refillGrid;
  doc_.RecordChange(text, before);
  storing_ = false;
}

bool CProgramView::CommitCellEdit() {
  return CommitEditor(CommitTrigger::kLeaveCell);
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
  HideEditors();  // entering the cell opened its editor; the user only looks
  grid_->scrollTo(grid_->currentIndex());
  grid_->setFocus();
  return true;
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
  // Only the edited records are encoded: the bytes of every other channel,
  // and the rest of the image, stay exactly as they were.
  for (int r : rows)
    EncodeChannelRecord(model_->Table()[static_cast<std::size_t>(r)],
                        image.data() + static_cast<std::size_t>(r) * kChannelRecordSize);
  storing_ = true;
  const bool recorded = doc_.RecordChange(text, before);
  storing_ = false;
  // Read back what was stored, so that the grid shows the image.
  for (int r : rows) {
    auto& row = model_->Table()[static_cast<std::size_t>(r)];
    row = DecodeChannelRecord(image.data() + static_cast<std::size_t>(r) * kChannelRecordSize,
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
  if (!openEditor_) return false;
  const bool typed = EditorText() != editOpened_;
  HideEditors();
  return typed;
}

// --- Grid events ---

void CProgramView::OnEnterCell() {
  // Moving with the arrow keys or Tab walks the grid; Enter or F2 opens the editor.
  if (grid_->MovedByKeyboard()) return;
  ShowEditor();
}

void CProgramView::OnLeaveCell() {
  if (!CommitEditor(CommitTrigger::kLeaveCell)) grid_->CancelCellChange();
}

void CProgramView::OnMouseDown() {
  ShowEditor();
}

void CProgramView::KeepCurrentCellInView() {
  keepInViewPending_ = false;
  // The window changed size: the current cell stays in view, and an open
  // editor moves along with its cell instead of closing.
  followingResize_ = true;
  grid_->scrollTo(grid_->currentIndex());
  followingResize_ = false;
  PlaceEditor();
}

void CProgramView::OnScroll() {
  if (followingResize_) return;
  // The cells have moved under the editor: close it, without a commit.
  HideEditors();
  grid_->viewport()->update();
}

// --- Editors ---

void CProgramView::ShowEditor() {
  const int row = grid_->Row();
  const int col = grid_->Col();
  auto* editor = Editor(EditorIdForColumn(col));
  if (!editor) return;
  const bool reopening = openEditor_ == editor && editRow_ == row && editCol_ == col;
  if (openEditor_ && !reopening && !CommitEditor(CommitTrigger::kLeaveCell)) return;
  // Reopening over its own cell (a click after a refused value) keeps what was typed.
  const QString typed = reopening ? EditorText() : QString();

  grid_->scrollTo(model_->IndexOf(row, col));  // may close the editor (Scroll)
  editRow_ = row;
  editCol_ = col;
  if (!reopening) editShown_ = model_->TextMatrix(row, col);
  const QString text = reopening ? typed : editShown_;
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    if (line == nameEdit_)
      static_cast<NameLengthValidator*>(const_cast<QValidator*>(line->validator()))
          ->SetOriginal(text);
    if (!reopening || line->text() != text) line->setText(text);
  } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i) texts.push_back(list->itemText(i).toStdString());
    list->setCurrentIndex(PrefixMatchIndex(texts, text.toStdString()));
  }
  openEditor_ = editor;
  if (!reopening) editOpened_ = EditorText();
  PlaceEditor();
  editor->show();
  editor->raise();
  editor->setFocus();
  grid_->viewport()->update();
}

void CProgramView::PlaceEditor() {
  if (!openEditor_) return;
  openEditor_->setGeometry(grid_->CellRect(editRow_, editCol_));
}

void CProgramView::HideEditors() {
  // Focus goes back to the grid first: hiding a focused editor would let the
  // focus chain step the grid's current cell.
  if (openEditor_ && openEditor_->hasFocus()) grid_->setFocus();
  openEditor_ = nullptr;
  for (int id : {kFrequencyEditId, kNameEditId, kToneListId, kPowerListId, kBandwidthListId,
                 kScanAddListId, kBusyLockListId})
    Editor(id)->hide();
}

QString CProgramView::EditorText() const {
  if (auto* line = qobject_cast<QLineEdit*>(openEditor_)) return line->text();
  if (auto* list = qobject_cast<QComboBox*>(openEditor_)) return list->currentText();
  return {};
}

bool CProgramView::CommitEditor(CommitTrigger trigger) {
  if (!openEditor_) return true;  // nothing to take over
  const int row = editRow_;
  const ChannelRow before = model_->Table()[static_cast<std::size_t>(row - 1)];
  std::string value = EditorText().toStdString();
  if (editCol_ == ChannelGridModel::kNameColumn) {
    // A name left as shown keeps its stored bytes, even ones that do not
    // convert back exactly (a double-byte character cut at the 8th byte).
    value = EditorText() == editShown_ ? before[kChannelName]
                                       : TextToNameBytes(EditorText(), App().language);
  }
  const CellCommitOutcome out = DecideCellCommit(before, static_cast<ChannelField>(editCol_ - 1),
                                                 value, App().band.limits, App().language, trigger);
  if (out.message != CellMessage::kNone) ShowCellMessage(out.message);
  // Only the cells that change are written: an untouched name keeps its bytes.
  bool changed = false;
  for (int field = 0; field < kChannelFieldCount; ++field)
    changed |= model_->SetCellValue(row, field + 1, out.row[static_cast<std::size_t>(field)]);
  if (changed) StoreRows(EditStepText(row, editCol_), {row - 1});
  if (out.editorStays) {
    if (out.clearEditor) frequencyEdit_->clear();
    if (openEditor_) openEditor_->setFocus();
    return false;
  }
  HideEditors();
  return true;
}

void CProgramView::ShowCellMessage(CellMessage message) {
  QString text;
  QMessageBox::Icon icon = QMessageBox::Warning;
  switch (message) {
    case CellMessage::kDataFormat:
      text = tr("Error Data Format, please input again.");
      icon = QMessageBox::Critical;
      break;
    case CellMessage::kStepValue:
      text = tr("Error data Value, please input according the step value(6.25K/5k).");
      break;
    case CellMessage::kOutOfRange:
      text = tr("Out of range, please input again.");
      break;
    case CellMessage::kNone:
      return;
  }
  ShowMessage(this, text, icon, QMessageBox::Ok, tr("Caution"));
}

// --- Keys, wheel, help ---

int CProgramView::HelpContext() const {
  for (QWidget* w = focusWidget(); w && w != this; w = w->parentWidget()) {
    const QVariant id = w->property(kControlId);
    if (id.isValid()) return CellHelpContext(id.toInt(), grid_->Col());
  }
  return kGridControlId;
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->verticalHeader()->viewport()) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int section = grid_->verticalHeader()->logicalIndexAt(mouse->position().toPoint());
    if (section < 0) return false;
    if (mouse->button() == Qt::RightButton && SelectedChannels().size() > 1 &&
        grid_->selectionModel()->isRowSelected(section, {}))
      return false;  // the context menu acts on the whole selection
    OnRowHeaderPressed(section + 1,
                       mouse->button() == Qt::LeftButton ? mouse->modifiers() : Qt::NoModifier);
    return false;
  }
  if (watched == grid_->viewport()) {
    if (event->type() == QEvent::Wheel) {
      // One notch of the wheel pages the grid; other deltas scroll as usual.
      const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
      if (delta == -kWheelNotch) grid_->PageDown();
      if (delta == kWheelNotch) grid_->PageUp();
      return delta == kWheelNotch || delta == -kWheelNotch;
    }
    if (event->type() == QEvent::Resize) {
      PlaceEditor();
      // Once the grid has laid out its new size (after this event).
      if (!keepInViewPending_) {
        keepInViewPending_ = true;
        QMetaObject::invokeMethod(this, &CProgramView::KeepCurrentCellInView, Qt::QueuedConnection);
      }
    }
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == grid_) return HandleGridKey(key);
  if (auto* editor = qobject_cast<QWidget*>(watched); editor && editor == openEditor_)
    return HandleEditorKey(editor, key);
  return false;
}

bool CProgramView::HandleGridKey(QKeyEvent* event) {
  if (HandleRowKey(event)) return true;
  if (event->key() == Qt::Key_F1) {
    ShowHelpContext(HelpContext());
    return true;
  }
  if (IsEnter(event) || event->key() == Qt::Key_F2) {
    ShowEditor();
    return true;
  }
  return false;  // arrows, Tab, pages: the grid moves its current cell
}

bool CProgramView::HandleEditorKey(QWidget* editor, QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    ShowHelpContext(HelpContext());
    return true;
  }
  // The text editors keep Undo / Redo from the menu's keys: the same rule
  // as the menu, typing dropped first.
  const bool redo = event->matches(QKeySequence::Redo);
  if (redo || event->matches(QKeySequence::Undo)) {
    if (!DropPendingEdit() || redo) {
      if (redo)
        doc_.UndoStack().redo();
      else
        doc_.UndoStack().undo();
    }
    return true;
  }
  if (editor == frequencyEdit_) {
    const EditorKey key = ClassifyFrequencyKey(event);
    switch (FilterFrequencyKey(key, event->modifiers() & Qt::ShiftModifier)) {
      case KeyDecision::kDiscard:
        return true;
      case KeyDecision::kCommit:
        CommitEditor(CommitTrigger::kEnterKey);
        return true;
      case KeyDecision::kPass:
        if (key == EditorKey::kKeypadPoint && event->key() == Qt::Key_Comma) {
          frequencyEdit_->insert(
              QStringLiteral("."));  // a decimal-comma keypad still types a point
          return true;
        }
        // Up and Down have no caret move in a one-line editor; keep them from the grid.
        return event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    }
    return true;
  }
  // Name and lists: Enter takes the value, Escape drops it, Tab takes it and moves on.
  if (IsEnter(event)) {
    CommitEditor(CommitTrigger::kLeaveCell);
    return true;
  }
  if (event->key() == Qt::Key_Escape) {
    HideEditors();
    return true;
  }
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    if (CommitEditor(CommitTrigger::kLeaveCell)) {
      grid_->setFocus();
      QKeyEvent move(QEvent::KeyPress, event->key(), event->modifiers());
      QCoreApplication::sendEvent(grid_, &move);
    }
    return true;
  }
  if (editor == nameEdit_ && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down))
    return true;
  return false;
}

}  // namespace radio
