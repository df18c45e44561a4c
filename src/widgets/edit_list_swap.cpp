#include "widgets/edit_list_swap.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

namespace radio {

CEditListSwap::CEditListSwap(QLineEdit* edit, QComboBox* list)
    : QObject(edit), edit_(edit), list_(list) {
  list_->hide();
  edit_->installEventFilter(this);
  list_->installEventFilter(this);
  connect(list_, &QComboBox::activated, this, [this] { picked_ = true; });
}

void CEditListSwap::Open() {
  list_->setGeometry(edit_->geometry());
  list_->setMaxVisibleItems(9);
  int index = 0;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->itemText(i).startsWith(edit_->text())) {
      index = i;
      break;
    }
  list_->setCurrentIndex(index);
  list_->show();
  list_->raise();
  list_->setFocus(Qt::OtherFocusReason);  // before hiding, so no other field takes it
  edit_->hide();
}

void CEditListSwap::Close() {
  if (list_->isHidden()) return;
  list_->hide();
  edit_->setText(list_->currentText());
  edit_->show();
}

bool CEditListSwap::eventFilter(QObject* watched, QEvent* event) {
  // The casts fail while a control is being destroyed (it is a mere
  // QWidget by then): its last focus events must not reach it.
  if (qobject_cast<QLineEdit*>(watched) == edit_ && event->type() == QEvent::FocusIn &&
      edit_->isEnabled()) {
    Open();
  } else if (qobject_cast<QComboBox*>(watched) == list_ && event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) Close();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace radio
