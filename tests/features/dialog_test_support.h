// Helpers for the feature dialogs' widget tests: play the user's part
// inside a dialog's modal loop, and catch what F1 asked the help window for.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <memory>

#include "base/app_context.h"
#include "support/app_context_scope.h"

namespace radio::testing {

// The dialog's push button with this text; null when there is none.
inline QPushButton* Button(QDialog& dialog, const QString& text) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

// Runs `dialog.Run(doc, step)`; `user` runs inside the modal loop once the
// window is shown and active. A dialog still open after 10 s is
// rejected and the test fails, so nothing ever blocks the run; so does a
// dialog that never opened its modal loop (the user's part never ran).
template <class Dialog, class Doc>
int RunAsUser(Dialog& dialog, Doc& doc, const std::function<void()>& user,
              const QString& step = {}) {
  // Shared: a dialog that never ran its loop leaves the timer pending.
  auto userRan = std::make_shared<bool>(false);
  QTimer::singleShot(0, &dialog, [&dialog, user, userRan] {
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog)) ADD_FAILURE() << "dialog never became active";
    *userRan = true;
    user();
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&] {
    ADD_FAILURE() << "dialog left open";
    dialog.reject();
  });
  watchdog.start(10000);
  const int result = dialog.Run(doc, step);
  EXPECT_TRUE(*userRan) << "the dialog returned without running its modal loop";
  return result;
}

// A program directory with both help files, so that F1 opens the help
// window (never modal) and the test can read where it points.
class HelpFiles {
 public:
  HelpFiles() {
    App().programDir = dir_.path() + "/";
    for (const char* name : {"enHelp.html", "chHelp.html"}) {
      QFile file(dir_.filePath(name));
      if (file.open(QIODevice::WriteOnly)) file.write("<html><body>help</body></html>");
    }
  }
  ~HelpFiles() { CloseHelpWindows(); }
  // "enHelp.html#ctx-1048" for the help window that is showing, else "".
  static QString Shown() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* browser = qobject_cast<QTextBrowser*>(w); browser && browser->isVisible()) {
        const QUrl url = browser->source();
        return url.fileName() + "#" + url.fragment();
      }
    return {};
  }
  static void CloseHelpWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QTextBrowser*>(w)) w->close();
  }

 private:
  test::AppContextScope savedApp_;  // the program directory goes back
  QTemporaryDir dir_;
};

// Sets the run's language for one test and restores the one before.
class LanguageScope {
 public:
  explicit LanguageScope(Language lang) {
    App().language = lang;
    App().helpFileName = lang == Language::Chinese ? "chHelp.html" : "enHelp.html";
  }

 private:
  test::AppContextScope savedApp_;
};

}  // namespace radio::testing
