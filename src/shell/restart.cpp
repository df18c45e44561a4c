#include "shell/restart.h"

#include <QCoreApplication>
#include <QDir>
#include <QObject>
#include <QProcess>

#include "base/message_box.h"

namespace radio {
namespace {

bool requested = false;

// The new instance works in the same folder as this one, so that nothing
// the user reaches through relative names or the file dialogs moves.
bool StartSameProgram() {
  return QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, QDir::currentPath());
}

RestartLauncher& Launcher() {
  static RestartLauncher launcher;
  return launcher;
}

}  // namespace

void RequestRestart() { requested = true; }
void CancelRestart() { requested = false; }
bool RestartRequested() { return requested; }

RestartLauncher SetRestartLauncher(RestartLauncher launcher) {
  RestartLauncher before = std::move(Launcher());
  Launcher() = std::move(launcher);
  return before;
}

void RestartIfRequested() {
  if (!requested) return;
  requested = false;
  const bool started = Launcher() ? Launcher()() : StartSameProgram();
  if (!started)
    ShowMessage(nullptr, QObject::tr("The program could not be started again. Please start it "
                                     "yourself to use the new language."),
                QMessageBox::Warning);
}

}  // namespace radio
