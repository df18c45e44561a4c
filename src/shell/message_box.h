// Message boxes of the program: every one carries the application title
// (the Company text of Program.ini) as its caption, unless a caption is given.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace radio {

QMessageBox::StandardButton ShowMessage(
    QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok, const QString& caption = QString());

// One message as it would be shown.
struct MessageRequest {
  QWidget* parent = nullptr;
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};
using MessageHook = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

// While a hook is set, ShowMessage hands every message to it instead of
// running a modal box, and returns its answer (tests, scripted runs). An
// empty hook restores the boxes.
void SetMessageHook(MessageHook hook);

}  // namespace radio
