#include "widgets/step_field.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace radio {

CUpDown::CUpDown(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const auto make = [&](Qt::ArrowType arrow, int step) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setFixedSize(18, 11);
    connect(button, &QToolButton::clicked, this, [this, step] { emit stepped(step); });
    layout->addWidget(button);
    return button;
  };
  up_ = make(Qt::UpArrow, +1);
  down_ = make(Qt::DownArrow, -1);
}

CStepField::CStepField(QLineEdit* edit, CUpDown* upDown, StepRule step, SnapRule snap)
    : QObject(edit), edit_(edit), upDown_(upDown), step_(std::move(step)), snap_(std::move(snap)) {
  edit_->setMinimumWidth(70);
  connect(upDown, &CUpDown::stepped, this,
          [this](int s) { edit_->setText(step_(edit_->text(), s)); });
  edit_->installEventFilter(this);
}

void CStepField::Snap() {
  edit_->setText(snap_(edit_->text()));
}

bool CStepField::eventFilter(QObject* watched, QEvent* event) {
  // The cast fails while the edit is being destroyed (it is a mere QWidget
  // by then), when its last focus-out must not touch it.
  if (qobject_cast<QLineEdit*>(watched) == edit_ && event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A popup or another window taking the focus is not leaving the field.
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) Snap();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace radio
