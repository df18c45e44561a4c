#include "channels/cell_editor_overlay.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoStack>
#include <QValidator>

#include "base/app_context.h"
#include "base/help.h"
#include "base/message_box.h"
#include "channels/channel_grid_model.h"
#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "image/name_text.h"

namespace radio {
namespace {

constexpr std::size_t kNameLimit = 7;  // bytes the name editor lets the user type
constexpr int kFrequencyLimit = 9;     // "%3.5f" of a frequency up to 999 MHz

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

CellEditorOverlay::CellEditorOverlay(CProgramView& view, CFlexGrid& grid, ChannelGridModel& model,
                                     CProgramDoc& doc)
    : QObject(&view), view_(view), grid_(grid), model_(model), doc_(doc) {
  QWidget* host = grid_.viewport();
  const auto makeList = [&](int id, const QStringList& items) {
    auto* list = new QComboBox(host);
    list->addItems(items);
    list->setProperty(kControlIdProperty, id);
    list->setMaxVisibleItems(12);
    return list;
  };
  const Language lang = App().language;
  frequencyEdit_ = new QLineEdit(host);
  frequencyEdit_->setMaxLength(kFrequencyLimit);
  frequencyEdit_->setProperty(kControlIdProperty, kFrequencyEditId);
  nameEdit_ = new QLineEdit(host);
  nameEdit_->setValidator(new NameLengthValidator(nameEdit_));
  nameEdit_->setProperty(kControlIdProperty, kNameEditId);
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

QWidget* CellEditorOverlay::Editor(int controlId) const {
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

bool CellEditorOverlay::DropPendingEdit() {
  if (!openEditor_) return false;
  const bool typed = EditorText() != editOpened_;
  HideAll();
  return typed;
}

void CellEditorOverlay::Show() {
  const int row = grid_.Row();
  const int col = grid_.Col();
  auto* editor = Editor(EditorIdForColumn(col));
  if (!editor) return;
  const bool reopening = openEditor_ == editor && editRow_ == row && editCol_ == col;
  if (openEditor_ && !reopening && !Commit(CommitTrigger::kLeaveCell)) return;
  // Reopening over its own cell (a click after a refused value) keeps what was typed.
  const QString typed = reopening ? EditorText() : QString();

  grid_.scrollTo(model_.IndexOf(row, col));  // may close the editor (Scroll)
  editRow_ = row;
  editCol_ = col;
  if (!reopening) editShown_ = model_.TextMatrix(row, col);
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
  Place();
  editor->show();
  editor->raise();
  editor->setFocus();
  grid_.viewport()->update();
}

void CellEditorOverlay::Place() {
  if (!openEditor_) return;
  openEditor_->setGeometry(grid_.CellRect(editRow_, editCol_));
}

void CellEditorOverlay::HideAll() {
  // Focus goes back to the grid first: hiding a focused editor would let the
  // focus chain step the grid's current cell.
  if (openEditor_ && openEditor_->hasFocus()) grid_.setFocus();
  openEditor_ = nullptr;
  for (int id : {kFrequencyEditId, kNameEditId, kToneListId, kPowerListId, kBandwidthListId,
                 kScanAddListId, kBusyLockListId})
    Editor(id)->hide();
}

QString CellEditorOverlay::EditorText() const {
  if (auto* line = qobject_cast<QLineEdit*>(openEditor_)) return line->text();
  if (auto* list = qobject_cast<QComboBox*>(openEditor_)) return list->currentText();
  return {};
}

bool CellEditorOverlay::Commit(CommitTrigger trigger) {
  if (!openEditor_) return true;  // nothing to take over
  const int row = editRow_;
  const ChannelRow before = model_.Table()[static_cast<std::size_t>(row - 1)];
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
    changed |= model_.SetCellValue(row, field + 1, out.row[static_cast<std::size_t>(field)]);
  if (changed) view_.StoreCellEdit(row, editCol_);
  if (out.editorStays) {
    if (out.clearEditor) frequencyEdit_->clear();
    if (openEditor_) openEditor_->setFocus();
    return false;
  }
  HideAll();
  return true;
}

void CellEditorOverlay::ShowCellMessage(CellMessage message) {
  QString text;
  QMessageBox::Icon icon = QMessageBox::Warning;
  switch (message) {
    case CellMessage::kDataFormat:
      text = CProgramView::tr("Error Data Format, please input again.");
      icon = QMessageBox::Critical;
      break;
    case CellMessage::kStepValue:
      text = CProgramView::tr("Error data Value, please input according the step value(6.25K/5k).");
      break;
    case CellMessage::kOutOfRange:
      text = CProgramView::tr("Out of range, please input again.");
      break;
    case CellMessage::kNone:
      return;
  }
  ShowMessage(&view_, text, icon, QMessageBox::Ok, CProgramView::tr("Caution"));
}

bool CellEditorOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  if (auto* editor = qobject_cast<QWidget*>(watched); editor && editor == openEditor_)
    return HandleEditorKey(editor, static_cast<QKeyEvent*>(event));
  return false;
}

bool CellEditorOverlay::HandleEditorKey(QWidget* editor, QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    ShowHelpContext(view_.HelpContext());
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
        Commit(CommitTrigger::kEnterKey);
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
    Commit(CommitTrigger::kLeaveCell);
    return true;
  }
  if (event->key() == Qt::Key_Escape) {
    HideAll();
    return true;
  }
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    if (Commit(CommitTrigger::kLeaveCell)) {
      grid_.setFocus();
      QKeyEvent move(QEvent::KeyPress, event->key(), event->modifiers());
      QCoreApplication::sendEvent(&grid_, &move);
    }
    return true;
  }
  if (editor == nameEdit_ && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down))
    return true;
  return false;
}

}  // namespace radio
