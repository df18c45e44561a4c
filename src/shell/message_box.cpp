#include "shell/message_box.h"

#include "shell/app_context.h"

namespace radio {

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        const QString& caption) {
  QMessageBox box(icon, caption.isNull() ? App().appTitle : caption, text, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace radio
