// Message boxes of the program: every one carries the application title
// (the Company text of Program.ini) as its caption, unless a caption is given.
#pragma once

#include <QMessageBox>
#include <QString>

namespace radio {

QMessageBox::StandardButton ShowMessage(
    QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok, const QString& caption = QString());

}  // namespace radio
