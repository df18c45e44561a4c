#include "shell/message_box.h"

#include <utility>

#include "shell/app_context.h"

namespace radio {

namespace {
MessageHook& Hook() {
  static MessageHook hook;
  return hook;
}
}  // namespace

MessageHook SetMessageHook(MessageHook hook) { return std::exchange(Hook(), std::move(hook)); }

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        const QString& caption) {
  const QString title = caption.isNull() ? App().appTitle : caption;
  if (Hook()) return Hook()({text, title, icon, buttons});
  QMessageBox box(icon, title, text, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace radio
