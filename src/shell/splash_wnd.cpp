#include "shell/splash_wnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>

namespace radio {
namespace {

constexpr int kSplashMs = 1000;
CSplashWnd* current = nullptr;
bool shownThisRun = false;

bool DismissesSplash(const QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool CSplashWnd::ShowSplashScreen(const QString& programDir, bool allowed) {
  if (!allowed || current || shownThisRun) return false;
  QPixmap picture;
  if (!picture.load(programDir + "startup.bmp") || picture.isNull()) return false;
  shownThisRun = true;
  current = new CSplashWnd(picture);
  current->show();
  current->repaint();
  return true;
}

CSplashWnd* CSplashWnd::Current() { return current; }

void CSplashWnd::ResetForNewRun() {
  delete current;
  shownThisRun = false;
}

CSplashWnd::CSplashWnd(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
  setAttribute(Qt::WA_DeleteOnClose);
  setCursor(Qt::ArrowCursor);
  setFixedSize(picture_.deviceIndependentSize().toSize());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  qApp->installEventFilter(this);
  startTimer(kSplashMs);
}

CSplashWnd::~CSplashWnd() {
  qApp->removeEventFilter(this);
  if (current == this) current = nullptr;
}

void CSplashWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void CSplashWnd::timerEvent(QTimerEvent*) { Dismiss(); }

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event) {
  // Only widgets and windows: the same press reaches the filter once per
  // object, and the first one removes the splash.
  if (watched->isWidgetType() || watched->isWindowType()) {
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();  // claims the key so that no shortcut fires; the press follows
      return true;
    }
    if (DismissesSplash(event)) {
      Dismiss();
      return true;  // the press does nothing else
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CSplashWnd::Dismiss() {
  if (current == this) current = nullptr;
  qApp->removeEventFilter(this);
  const QWidgetList tops = QApplication::topLevelWidgets();
  hide();
  deleteLater();
  for (QWidget* top : tops)
    if (top != this && top->isVisible()) top->update();
}

}  // namespace radio
