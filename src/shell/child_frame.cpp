#include "shell/child_frame.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QProxyStyle>
#include <QResizeEvent>

#include "channels/program_view.h"
#include "image/program_doc.h"
#include "link/port_settings.h"

namespace radio {
namespace {

// A maximised document window keeps its own title bar inside the main
// window. Without it Qt moves the window's buttons into the menu bar and
// appends " - [document]" to the main window's title, which stays the
// Title text of Program.ini.
class KeepTitleBarStyle : public QProxyStyle {
 public:
  KeepTitleBarStyle() : QProxyStyle(QApplication::style()->name()) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_Workspace_FillSpaceOnMaximize) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), doc_(std::move(doc)) {
  auto* style = new KeepTitleBarStyle;
  style->setParent(this);
  setStyle(style);
  // Every new channel view takes the stored port choice ("com").
  LoadCurrentPortChoice();
  view_ = new CProgramView(*doc_, this);
  setWidget(view_);
  setWindowTitle(doc_->Title());
  setGeometry(0, 0, kWidth, kHeight);
  wanted_ = QSize(kWidth, kHeight);
  // The window menu's own keys (Close on Ctrl+W or Ctrl+F4) would shadow
  // the program's accelerators, Write above all; the menu keeps its entries.
  if (QMenu* menu = systemMenu())
    for (QAction* entry : menu->actions()) entry->setShortcuts({});
}

// The view goes first: it unregisters its commit hook from the document.
CChildFrame::~CChildFrame() {
  delete view_;
  view_ = nullptr;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (closeGuard_ && !closeGuard_()) return;
  hide();
  emit hiddenByCloseRequest(this);
}

void CChildFrame::resizeEvent(QResizeEvent* event) {
  QMdiSubWindow::resizeEvent(event);
  if (fitting_ || isMaximized() || isMinimized()) return;
  // A size this window did not give itself: scaled, or resized by the user.
  if (event->size() != fitted_) wanted_ = event->size();
  FitToArea();
}

void CChildFrame::showEvent(QShowEvent* event) {
  QMdiSubWindow::showEvent(event);
  FitToArea();
}

bool CChildFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_ && event->type() == QEvent::Resize) FitToArea();
  return QMdiSubWindow::eventFilter(watched, event);
}

void CChildFrame::FitToArea() {
  QWidget* area = parentWidget();
  if (area != area_) {
    if (area_) area_->removeEventFilter(this);
    area_ = area;
    if (area_) area_->installEventFilter(this);
  }
  if (!area || isMaximized() || isMinimized() || fitting_) return;
  const QSize room = area->size();
  if (room.isEmpty()) return;
  QRect g = geometry();
  g.setSize(wanted_.boundedTo(room));
  g.moveLeft(std::clamp(g.left(), 0, room.width() - g.width()));
  g.moveTop(std::clamp(g.top(), 0, room.height() - g.height()));
  if (g == geometry()) return;
  fitting_ = true;
  fitted_ = g.size();
  setGeometry(g);
  fitting_ = false;
}

}  // namespace radio
