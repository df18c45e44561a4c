#include "widgets/key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "base/help.h"
#include "widgets/dialog_help.h"

namespace radio {

namespace {

bool IsEditingKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete;
}
bool Shifted(const QKeyEvent& key) {
  return key.modifiers() & Qt::ShiftModifier;
}
bool IsArrow(const QKeyEvent& key, bool upDown) {
  const int k = key.key();
  return k == Qt::Key_Left || k == Qt::Key_Right ||
         (upDown && (k == Qt::Key_Up || k == Qt::Key_Down));
}
// The one character a key types, or 0.
QChar Typed(const QKeyEvent& key) {
  const QString text = key.text();
  return text.size() == 1 ? text.front() : QChar();
}

}  // namespace

void CKeyFilter::Watch(QWidget* widget) {
  widget->installEventFilter(this);
  for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool CKeyFilter::Digits(const QKeyEvent& key) {
  if (Shifted(key)) return false;
  const QChar c = Typed(key);
  return IsEditingKey(key) || (c >= '0' && c <= '9');
}

bool CKeyFilter::DtmfCode(const QKeyEvent& key, bool upDown) {
  const QChar c = Typed(key);
  if (c == '*' || c == '#') return true;
  if ((c >= '0' && c <= '9') || (c.toUpper() >= 'A' && c.toUpper() <= 'D')) return true;
  return !Shifted(key) && (IsEditingKey(key) || IsArrow(key, upDown));
}

bool CKeyFilter::Decimal(const QKeyEvent& key) {
  if (Shifted(key)) return false;
  const QChar c = Typed(key);
  return IsEditingKey(key) || IsArrow(key, true) || (c >= '0' && c <= '9') || c == '.';
}

bool CKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (IsHelpKey(key)) {
    ShowHelpContext(ControlId(QApplication::focusWidget()));
    return true;
  }
  return passes_ && !passes_(*key);
}

}  // namespace radio
