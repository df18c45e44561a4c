#include "base/help.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "base/app_context.h"

namespace radio {

QString HelpUrl(const QString& fileName, int context) {
  const QString path = App().programDir + fileName;
  if (!QFileInfo::exists(path)) return {};
  QUrl url = QUrl::fromLocalFile(path);
  if (context != 0) url.setFragment(QString("ctx-%1").arg(context));
  return url.toString();
}

void ShowHelpContextIn(const QString& fileName, int context) {
  const QString url = HelpUrl(fileName, context);
  if (url.isEmpty()) return;
  static QPointer<QTextBrowser> window;
  // A window of its own would be blocked by the modal setting dialog that
  // asked for help: it then belongs to that dialog instead.
  QWidget* modal = QApplication::activeModalWidget();
  if (window && window->parentWidget() != modal) {
    window->close();  // deleted later
    window = nullptr;
  }
  if (!window) {
    window = new QTextBrowser(modal);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);  // the main window ends the program
    window->resize(640, 480);
  }
  window->setWindowTitle(App().appTitle);
  window->setSource(QUrl(url));
  window->show();
  window->raise();
}

void ShowHelpContext(int context) { ShowHelpContextIn(App().helpFileName, context); }

}  // namespace radio
