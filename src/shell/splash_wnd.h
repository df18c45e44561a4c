// CSplashWnd: startup.bmp from the program directory, shown frameless and
// centred while the program starts. It goes after 1000 ms or at the first
// key or mouse press, which it consumes. Shown at most once per run.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace radio {

class CSplashWnd : public QWidget {
  Q_OBJECT
 public:
  // Shows the splash unless forbidden, already shown in this run, or the
  // picture does not load. True when it is shown (start-up then waits).
  static bool ShowSplashScreen(const QString& programDir, bool allowed);
  // The splash window while it exists, else nullptr.
  static CSplashWnd* Current();
  // Lets the next ShowSplashScreen show again (tests start many runs).
  static void ResetForNewRun();

  ~CSplashWnd() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit CSplashWnd(const QPixmap& picture);
  void Dismiss();

  QPixmap picture_;
};

}  // namespace radio
