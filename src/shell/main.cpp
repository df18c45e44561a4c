// radioprog: the desktop program. Start-up and exit live in CProgramApp;
// this only makes the application object and runs the event loop.
//
//   radioprog [file.dat] [--no-splash] [--benchmark-startup]
//
// --benchmark-startup ends the program right after the main window has been
// painted for the first time and prints how long that took.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>

#include "safety/user_data_folder.h"
#include "shell/main_frame.h"
#include "shell/program_app.h"

namespace {

// Quits the event loop after the first paint of the watched window.
class FirstPaintQuit : public QObject {
 public:
  explicit FirstPaintQuit(const QElapsedTimer& clock) : clock_(clock) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, [this] {
        std::printf("startup-ms %lld\n", static_cast<long long>(clock_.elapsed()));
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const QElapsedTimer& clock_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication application(argc, argv);
  // Backups and recovery files live under this name, shared with the CLI.
  QCoreApplication::setApplicationName(radio::kUserDataAppName);
  QStringList arguments = QCoreApplication::arguments();
  const bool benchmark = arguments.removeAll("--benchmark-startup") > 0;
  if (benchmark) arguments << "--no-splash";

  radio::CProgramApp app;
  radio::CMainFrame* frame =
      app.StartUp(arguments, QCoreApplication::applicationDirPath() + '/');
  if (!frame) return 1;

  FirstPaintQuit quitAfterPaint(clock);
  if (benchmark) frame->installEventFilter(&quitAfterPaint);
  const int status = QApplication::exec();
  app.ExitInstance();
  return status;
}
