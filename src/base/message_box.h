// Message boxes of the program: every one carries the application title
// (the Company text of Program.ini) as its caption, unless a caption is given.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

namespace radio {

QMessageBox::StandardButton ShowMessage(
    QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok, const QString& caption = QString());

// Everything a message box would show. Tests install a hook that records the
// message and answers it, so that no test ever waits on a modal box.
struct MessageRequest {
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};
using MessageHook = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

// Replaces the modal box by `hook` (an empty hook restores the real box).
// Returns the hook that was installed before.
MessageHook SetMessageHook(MessageHook hook);

// The box ShowMessage shows for `request`: its buttons in the run's
// language, and wide enough for the whole caption in the title bar.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const MessageRequest& request);

}  // namespace radio
