// The main window itself: its construction, the window chrome (status
// bar, navigation bar, panes), closing, dropped files and F1 help. Its
// commands are in main_frame_commands.cpp, its documents in the document
// manager.
#include "shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include "base/app_context.h"
#include "base/help.h"
#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/mdi_background.h"
#include "shell/navigation_bar.h"
#include "shell/radio_transfers.h"

namespace radio {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), docManager_(*this) {
  transfers_ = new RadioTransfers(this);
  connect(transfers_, &RadioTransfers::runningChanged, this, [this] { UpdateUi(); });
#if QT_CONFIG(sessionmanager)
  // Log-out: a transfer going on is stopped (or kept, and the log-out
  // cancelled) as far as the session manager lets the program ask.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
    if (!transfers_->EndSession(this, [&session] { return session.allowsInteraction(); }))
      session.cancel();
  });
#endif
  // The title is the Title text only; document names never join it.
  setWindowTitle(App().LanguageText("Title"));
  setAcceptDrops(true);
  setDocumentMode(false);

  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  BuildNavigationBar();

  mdi_ = new CMdiBackground(App().programDir, this);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    if (auto* frame = qobject_cast<CChildFrame*>(window)) docManager_.SetLastFrame(frame);
    UpdateUi();
  });
  // The restored size, never larger than the screen (start-up shows the
  // window maximised).
  QSize size(1280, 800);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size());
  resize(size);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdateUi(); });
  UpdateUi();
}

// The children outlive the members while the window is torn down; their
// last signals (hidden bars, deactivated windows) must not reach us.
CMainFrame::~CMainFrame() {
  for (QObject* child : findChildren<QObject*>())
    QObject::disconnect(child, nullptr, this, nullptr);
}

// --- Window chrome ------------------------------------------------------------

// The message pane only: Qt cannot read the state of the Caps, Num and
// Scroll Lock keys, so their indicators would never change.
void CMainFrame::BuildStatusBar() {
  statusBar()->showMessage(tr("Ready"));
}

void CMainFrame::BuildNavigationBar() {
  navBar_ =
      new CNavigationBar(App().LanguageText("Company"), App().language == Language::Chinese, this);
  navDock_ = new QDockWidget(this);
  navDock_->setObjectName("navigation");
  navDock_->setTitleBarWidget(new QWidget(navDock_));  // the bar paints its own caption
  navDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  navDock_->setAllowedAreas(Qt::LeftDockWidgetArea);
  navDock_->setWidget(navBar_);
  addDockWidget(Qt::LeftDockWidgetArea, navDock_);
  connect(navBar_, &CNavigationBar::commandRequested, this, &CMainFrame::OnCommand);
  connect(navBar_, &CNavigationBar::closeRequested, this, [this] { navDock_->hide(); });
  connect(navDock_, &QDockWidget::visibilityChanged, this,
          [this](bool) { actions_[cmd::kViewControlBar]->setChecked(!navDock_->isHidden()); });
}

bool CMainFrame::RadioBusy() const {
  return transfers_->Running();
}

void CMainFrame::SetRadioBusy(bool busy) {
  if (busy)
    transfers_->Started(this, nullptr, false, {});
  else
    transfers_->Ended(this);
}

// --- Commands the main window runs itself -------------------------------------

void CMainFrame::ShowChannelInformation() {
  CChildFrame* frame = ActiveFrame();
  if (!frame) frame = docManager_.LastFrame();
  if (!frame) {
    showNormal();
    return;
  }
  frame->showNormal();
  mdi_->setActiveSubWindow(frame);
  UpdateUi();
}

// The panes are the navigation tree and the active channel grid; with two,
// the next one and the previous one are the same.
void CMainFrame::FocusNextPane() {
  QList<QWidget*> panes;
  if (!navDock_->isHidden()) panes << navBar_->findChild<QTreeWidget*>();
  if (CProgramView* view = ActiveView()) panes << view->Grid();
  panes.removeAll(nullptr);
  if (panes.isEmpty()) return;
  QWidget* focus = QApplication::focusWidget();
  qsizetype current = -1;
  for (qsizetype i = 0; i < panes.size(); ++i)
    if (focus && (focus == panes[i] || panes[i]->isAncestorOf(focus))) current = i;
  panes[(current + 1) % panes.size()]->setFocus(Qt::ShortcutFocusReason);
}

void CMainFrame::ToggleNavigationBar() {
  navDock_->setVisible(navDock_->isHidden());
  actions_[cmd::kViewControlBar]->setChecked(!navDock_->isHidden());
}

void CMainFrame::ToggleToolBar() {
  toolBar_->setVisible(!toolBar_->isVisible());
}

void CMainFrame::ToggleStatusBar() {
  statusBar()->setVisible(!statusBar()->isVisible());
  actions_[cmd::kViewStatusBar]->setChecked(statusBar()->isVisible());
}

// --- Closing and dropped files ------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!transfers_->MayClose(this, nullptr, [this] { close(); }) ||
      !docManager_.AskToSaveChanges()) {
    event->ignore();
    return;
  }
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  if (RadioBusy()) return;  // opening would hide the window under the transfer
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) OpenDocumentFile(url.toLocalFile());
  event->acceptProposedAction();
}

// --- Help -------------------------------------------------------------------

int CMainFrame::HelpContext() const {
  if (openMenu_) {
    if (QAction* entry = openMenu_->activeAction(); entry && entry->data().isValid())
      return entry->data().toInt();
  }
  return ActiveFrame() ? cmd::kHelpContextDocument : cmd::kHelpContextMainFrame;
}

void CMainFrame::OnHelp() {
  ShowHelpContext(HelpContext());
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  auto* menu = qobject_cast<QMenu*>(watched);
  if (menu) {
    if (event->type() == QEvent::Show) openMenu_ = menu;
    if (event->type() == QEvent::Hide && openMenu_ == menu) openMenu_ = nullptr;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
      // F1 on a highlighted menu entry: help on that command.
      const int context = HelpContext();
      menu->close();
      ShowHelpContext(context);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace radio
