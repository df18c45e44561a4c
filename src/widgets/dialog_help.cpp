#include "widgets/dialog_help.h"

#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace radio {
namespace {
constexpr char kControlIdProperty[] = "radioControlId";
}

void SetControlId(QWidget* control, int id) {
  control->setProperty(kControlIdProperty, id);
}

int ControlId(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    const QVariant id = w->property(kControlIdProperty);
    if (id.isValid()) return id.toInt();
    if (w->isWindow()) break;
  }
  return 0;
}

bool IsHelpKey(const QKeyEvent* event) {
  return event->type() == QEvent::KeyPress && event->key() == Qt::Key_F1;
}

}  // namespace radio
