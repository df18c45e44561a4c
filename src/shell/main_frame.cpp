#include "shell/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>
#include <QUrl>

#include "base/app_context.h"
#include "base/file_folders.h"
#include "base/help.h"
#include "base/message_box.h"
#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/mdi_background.h"
#include "shell/navigation_bar.h"
#include "shell/radio_transfers.h"

namespace radio {

namespace {

// Commands that act on the active document: disabled without one.
constexpr int kDocumentCommands[] = {
    cmd::kFileClose,          cmd::kFileSave,       cmd::kFileSaveAs, cmd::kFilePrint,
    cmd::kFilePrintPreview,   cmd::kProductInformation, cmd::kOptionalFeatures, cmd::kDtmf,
    cmd::kMsk,                cmd::kTwoTone,        cmd::kKeyAssignment, cmd::kSquelchTuning,
    cmd::kRead,               cmd::kWrite,          cmd::kEditUndo,   cmd::kEditRedo,
    cmd::kFileCompareWith,    cmd::kFileExportCsv,  cmd::kFileImportCsv,
};

// Edit commands on whole channels of the active view, and what they run.
using RowCommand = CProgramView::RowCommand;
constexpr std::pair<int, RowCommand> kRowCommands[] = {
    {cmd::kEditCut, RowCommand::kCut},
    {cmd::kEditCopy, RowCommand::kCopy},
    {cmd::kEditPaste, RowCommand::kPaste},
    {cmd::kEditInsertChannel, RowCommand::kInsert},
    {cmd::kEditDeleteChannels, RowCommand::kDelete},
    {cmd::kEditClear, RowCommand::kClear},
    {cmd::kEditMoveUp, RowCommand::kMoveUp},
    {cmd::kEditMoveDown, RowCommand::kMoveDown},
    {cmd::kEditSortFrequency, RowCommand::kSortFrequency},
    {cmd::kEditSortName, RowCommand::kSortName},
};

const RowCommand* RowCommandOf(int id) {
  for (const auto& [commandId, command] : kRowCommands)
    if (commandId == id) return &command;
  return nullptr;
}

// Commands whose work comes from elsewhere: disabled until a handler is set.
constexpr int kWiredCommands[] = {
    cmd::kProductInformation, cmd::kOptionalFeatures, cmd::kDtmf,     cmd::kMsk,
    cmd::kTwoTone,            cmd::kKeyAssignment,    cmd::kSquelchTuning, cmd::kRead,
    cmd::kWrite,              cmd::kComSetup,         cmd::kLanguage,  cmd::kFilePrint,
    cmd::kFilePrintPreview,   cmd::kFilePrintSetup,   cmd::kAppAbout,
    cmd::kFileOpenBackup,     cmd::kFileCompareWith,  cmd::kFileExportCsv, cmd::kFileImportCsv,
};

// Commands that would change or replace a document's image, or the port,
// while a transfer with the radio is running.
constexpr int kBlockedWhileRadioBusy[] = {
    cmd::kFileNew,          cmd::kFileOpen,     cmd::kFileClose,       cmd::kFileSave,
    cmd::kFileSaveAs,       cmd::kProductInformation, cmd::kOptionalFeatures, cmd::kDtmf,
    cmd::kMsk,              cmd::kTwoTone,      cmd::kKeyAssignment,   cmd::kSquelchTuning,
    cmd::kRead,             cmd::kWrite,        cmd::kComSetup,        cmd::kLanguage,
    cmd::kFileOpenBackup,   cmd::kFileCompareWith,
    cmd::kEditUndo,         cmd::kEditRedo,
    cmd::kFileExportCsv,    cmd::kFileImportCsv,
};

template <class Range>
bool Contains(const Range& range, int id) {
  return std::find(std::begin(range), std::end(range), id) != std::end(range);
}

const char* const kDatFilter = "*.dat (*.dat);;All Files (*)";

}  // namespace

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
    if (auto* frame = qobject_cast<CChildFrame*>(window)) lastFrame_ = frame;
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
  for (QObject* child : findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
}

// --- Building -------------------------------------------------------------

QAction* CMainFrame::MakeAction(int id, const QString& text, const QKeySequence& shortcut) {
  auto* action = new QAction(text, this);
  action->setData(id);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
  actions_.insert(id, action);
  addAction(action);  // accelerators work whichever menu is shown
  return action;
}

void CMainFrame::BuildActions() {
  MakeAction(cmd::kFileNew, tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N))
      ->setStatusTip(tr("Create a new document"));
  MakeAction(cmd::kFileOpen, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O))
      ->setStatusTip(tr("Open an existing document"));
  MakeAction(cmd::kFileOpenBackup, tr("Open Backup…"))
      ->setStatusTip(tr("Open a copy kept of an earlier read from the radio"));
  MakeAction(cmd::kFileClose, tr("&Close"))->setStatusTip(tr("Close the active document"));
  MakeAction(cmd::kFileSave, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S))
      ->setStatusTip(tr("Save the active document"));
  MakeAction(cmd::kFileSaveAs, tr("Save &As..."))
      ->setStatusTip(tr("Save the active document with a new name"));
  MakeAction(cmd::kFilePrint, tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P))
      ->setStatusTip(tr("Print the active document"));
  MakeAction(cmd::kFilePrintPreview, tr("Print Preview"))->setStatusTip(tr("Display full pages"));
  MakeAction(cmd::kFilePrintSetup, tr("P&rint Setup..."))
      ->setStatusTip(tr("Change the printer and printing options"));
  MakeAction(cmd::kFileExportCsv, tr("Export Channels (CSV)…"))
      ->setStatusTip(tr("Write the channels to a CSV file"));
  MakeAction(cmd::kFileImportCsv, tr("Import Channels (CSV)…"))
      ->setStatusTip(tr("Take channels from a CSV file, after a preview"));
  MakeAction(cmd::kAppExit, tr("E&xit"))->setStatusTip(tr("Quit the application"));
  MakeAction(cmd::kFileCompareWith, tr("Compare With…"))
      ->setStatusTip(tr("Compare the active document with a file, a backup or the radio"));
  MakeAction(cmd::kProductInformation, tr("Product Information"));
  MakeAction(cmd::kChannelInformation, tr("Channel Information"));
  MakeAction(cmd::kOptionalFeatures, tr("Optional Features"));
  MakeAction(cmd::kDtmf, tr("DTMF"));
  MakeAction(cmd::kKeyAssignment, tr("Key Assignment"));
  MakeAction(cmd::kMsk, tr("MSK"));
  MakeAction(cmd::kTwoTone, tr("2-Tone"));
  MakeAction(cmd::kSquelchTuning, tr("Squelch Tuning"));
  MakeAction(cmd::kRead, tr("&Read"), QKeySequence(Qt::CTRL | Qt::Key_R))
      ->setStatusTip(tr("Read Data From Radio"));
  MakeAction(cmd::kWrite, tr("&Write"), QKeySequence(Qt::CTRL | Qt::Key_W))
      ->setStatusTip(tr("Write Data To Radio"));
  MakeAction(cmd::kComSetup, tr("Com Setup"));
  MakeAction(cmd::kLanguage, tr("Language"));
  MakeAction(cmd::kAppAbout, tr("&About ..."))
      ->setStatusTip(tr("Display program information, version number and copyright"));
  MakeAction(cmd::kHelp, tr("Help"), QKeySequence(Qt::Key_F1));
  // Alt+Backspace undoes too, also where it is not the platform's custom.
  QList<QKeySequence> undoKeys = QKeySequence::keyBindings(QKeySequence::Undo);
  if (!undoKeys.contains(QKeySequence(Qt::ALT | Qt::Key_Backspace)))
    undoKeys << QKeySequence(Qt::ALT | Qt::Key_Backspace);
  MakeAction(cmd::kEditUndo, tr("&Undo"))->setShortcuts(undoKeys);
  MakeAction(cmd::kEditRedo, tr("&Redo"), QKeySequence::Redo);
  // The channel commands take their keys in the grid only (where a single
  // cell keeps its own Ctrl+C and the editors their Delete); the menu
  // just shows them.
  const auto gridKeys = [this](int id, const QString& text, const QKeySequence& keys) {
    QAction* action = MakeAction(id, text, keys);
    action->setShortcutContext(Qt::WidgetShortcut);
  };
  gridKeys(cmd::kEditCut, tr("Cu&t Channels"), QKeySequence::Cut);
  gridKeys(cmd::kEditCopy, tr("&Copy Channels"), QKeySequence::Copy);
  gridKeys(cmd::kEditPaste, tr("&Paste Channels"), QKeySequence::Paste);
  gridKeys(cmd::kEditInsertChannel, tr("&Insert Empty Channel"), QKeySequence(Qt::Key_Insert));
  gridKeys(cmd::kEditDeleteChannels, tr("&Delete Channels"), QKeySequence(Qt::Key_Delete));
  gridKeys(cmd::kEditClear, tr("C&lear Channels"), {});
  gridKeys(cmd::kEditMoveUp, tr("Move Channels U&p"), QKeySequence(Qt::CTRL | Qt::Key_Up));
  gridKeys(cmd::kEditMoveDown, tr("Move Channels D&own"), QKeySequence(Qt::CTRL | Qt::Key_Down));
  gridKeys(cmd::kEditSortFrequency, tr("Sort by Rx &Frequency"), {});
  gridKeys(cmd::kEditSortName, tr("Sort by &Name"), {});
  MakeAction(cmd::kHelpDefaultTopic, tr("Help Topics"));
  // Keys only, in no menu: the keyboard goes to the next or previous pane.
  MakeAction(cmd::kNextPane, QString(), QKeySequence(Qt::Key_F6));
  MakeAction(cmd::kPrevPane, QString(), QKeySequence(Qt::SHIFT | Qt::Key_F6));

  QAction* toolbar = MakeAction(cmd::kViewToolbar, tr("&Toolbar"));
  toolbar->setCheckable(true);
  toolbar->setChecked(true);
  QAction* statusBarAction = MakeAction(cmd::kViewStatusBar, tr("&Status Bar"));
  statusBarAction->setCheckable(true);
  statusBarAction->setChecked(true);
  QAction* controlBar = MakeAction(cmd::kViewControlBar, tr("Control &Bar"),
                                   QKeySequence(Qt::CTRL | Qt::Key_B));
  controlBar->setCheckable(true);
  controlBar->setChecked(true);

  const QStyle* s = style();
  actions_[cmd::kFileNew]->setIcon(s->standardIcon(QStyle::SP_FileIcon));
  actions_[cmd::kFileOpen]->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
  actions_[cmd::kFileSave]->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
  actions_[cmd::kEditUndo]->setIcon(s->standardIcon(QStyle::SP_ArrowBack));
  actions_[cmd::kEditRedo]->setIcon(s->standardIcon(QStyle::SP_ArrowForward));
  actions_[cmd::kRead]->setIcon(s->standardIcon(QStyle::SP_ArrowDown));
  actions_[cmd::kWrite]->setIcon(s->standardIcon(QStyle::SP_ArrowUp));
  actions_[cmd::kFilePrint]->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
  actions_[cmd::kAppAbout]->setIcon(s->standardIcon(QStyle::SP_MessageBoxInformation));
}

void CMainFrame::BuildMenus() {
  auto menu = [this](const QString& title, std::initializer_list<int> ids) {
    auto* m = new QMenu(title, this);
    for (int id : ids) {
      if (id == 0)
        m->addSeparator();
      else
        m->addAction(actions_.value(id));
    }
    m->installEventFilter(this);
    return m;
  };
  // Menu 128: no document open.
  menus128_ = {
      menu(tr("&File"), {cmd::kFileNew, cmd::kFileOpen, cmd::kFileOpenBackup, 0, cmd::kFilePrintSetup, 0, cmd::kAppExit}),
      menu(tr("&View"), {cmd::kViewToolbar, cmd::kViewStatusBar}),
      menu(tr("&Help"), {cmd::kAppAbout}),
  };
  // Menu 129: a document open.
  editMenu_ = menu(tr("&Edit"), {cmd::kEditUndo, cmd::kEditRedo, 0, cmd::kEditCut, cmd::kEditCopy,
                                 cmd::kEditPaste, 0, cmd::kEditInsertChannel,
                                 cmd::kEditDeleteChannels, cmd::kEditClear, cmd::kEditMoveUp,
                                 cmd::kEditMoveDown, cmd::kEditSortFrequency, cmd::kEditSortName, 0,
                                 cmd::kProductInformation, cmd::kChannelInformation, 0,
                                 cmd::kOptionalFeatures, 0, cmd::kDtmf, cmd::kKeyAssignment});
  setupMenu_ = menu(tr("Setup"), {cmd::kComSetup, cmd::kLanguage});
  // Menu 129 names Print Setup without its access key: a second entry for
  // the same command.
  auto* printSetup = new QAction(tr("Print Setup..."), this);
  printSetup->setData(cmd::kFilePrintSetup);
  connect(printSetup, &QAction::triggered, this, [this] { OnCommand(cmd::kFilePrintSetup); });
  connect(actions_[cmd::kFilePrintSetup], &QAction::enabledChanged, printSetup, &QAction::setEnabled);
  printSetup->setEnabled(false);
  QMenu* file129 = menu(tr("&File"), {cmd::kFileNew, cmd::kFileOpen, cmd::kFileOpenBackup,
                                      cmd::kFileClose, cmd::kFileSave, cmd::kFileSaveAs,
                                      cmd::kFileCompareWith, 0, cmd::kFileExportCsv,
                                      cmd::kFileImportCsv, 0, cmd::kFilePrint,
                                      cmd::kFilePrintPreview});
  file129->addAction(printSetup);
  file129->addSeparator();
  file129->addAction(actions_[cmd::kAppExit]);
  menus129_ = {
      file129,
      editMenu_,
      menu(tr("&Program"), {cmd::kRead, cmd::kWrite}),
      setupMenu_,
      menu(tr("&View"), {cmd::kViewToolbar, cmd::kViewStatusBar, 0, cmd::kViewControlBar}),
      menu(tr("&Help"), {cmd::kAppAbout}),
  };
  for (QMenu* m : menus128_) menuBar()->addMenu(m);
}

void CMainFrame::BuildToolBar() {
  toolBar_ = new QToolBar(tr("Standard"), this);
  toolBar_->setObjectName("toolbar");
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, 0, cmd::kEditUndo,
                 cmd::kEditRedo, 0, cmd::kRead, 0, cmd::kWrite, 0,
                 cmd::kFilePrint, cmd::kAppAbout}) {
    if (id == 0)
      toolBar_->addSeparator();
    else
      toolBar_->addAction(actions_.value(id));
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
  connect(toolBar_, &QToolBar::visibilityChanged, actions_[cmd::kViewToolbar], &QAction::setChecked);
}

// The message pane only: Qt cannot read the state of the Caps, Num and
// Scroll Lock keys, so their indicators would never change.
void CMainFrame::BuildStatusBar() {
  statusBar()->showMessage(tr("Ready"));
}

void CMainFrame::BuildNavigationBar() {
  navBar_ = new CNavigationBar(App().LanguageText("Company"), App().language == Language::Chinese,
                               this);
  navDock_ = new QDockWidget(this);
  navDock_->setObjectName("navigation");
  navDock_->setTitleBarWidget(new QWidget(navDock_));  // the bar paints its own caption
  navDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  navDock_->setAllowedAreas(Qt::LeftDockWidgetArea);
  navDock_->setWidget(navBar_);
  addDockWidget(Qt::LeftDockWidgetArea, navDock_);
  connect(navBar_, &CNavigationBar::commandRequested, this, &CMainFrame::OnCommand);
  connect(navBar_, &CNavigationBar::closeRequested, this, [this] { navDock_->hide(); });
  connect(navDock_, &QDockWidget::visibilityChanged, this, [this](bool) {
    actions_[cmd::kViewControlBar]->setChecked(!navDock_->isHidden());
  });
}

void CMainFrame::ApplyStartupMenuRules(bool showLanguage) {
  if (!showLanguage) setupMenu_->removeAction(actions_[cmd::kLanguage]);
  // The separator that stands in front of DTMF goes with it.
  const QList<QAction*> entries = editMenu_->actions();
  const qsizetype dtmf = entries.indexOf(actions_[cmd::kDtmf]);
  if (dtmf > 0 && entries[dtmf - 1]->isSeparator()) editMenu_->removeAction(entries[dtmf - 1]);
  editMenu_->removeAction(actions_[cmd::kKeyAssignment]);
  editMenu_->removeAction(actions_[cmd::kDtmf]);
}

// --- Commands ---------------------------------------------------------------

QAction* CMainFrame::Action(int id) const { return actions_.value(id, nullptr); }

bool CMainFrame::NeedsDocument(int id) const { return Contains(kDocumentCommands, id); }

bool CMainFrame::IsCommandEnabled(int id) const {
  if (RadioBusy() && Contains(kBlockedWhileRadioBusy, id)) return false;
  if (Contains(kWiredCommands, id) && !handlers_.contains(id)) return false;
  if (NeedsDocument(id) && !ActiveDocument()) return false;
  if (id == cmd::kEditUndo) return ActiveDocument() && ActiveDocument()->UndoStack().canUndo();
  if (id == cmd::kEditRedo) return ActiveDocument() && ActiveDocument()->UndoStack().canRedo();
  if (const RowCommand* command = RowCommandOf(id))
    return !RadioBusy() && ActiveView() && ActiveView()->CanRunRowCommand(*command);
  return actions_.contains(id);
}

QString CMainFrame::StepBeforeDialog(int id, CProgramDoc& doc) {
  // A value still in a grid cell is its own step, taken before the dialog's.
  if (CProgramView* view = ActiveView(); view && &view->Document() == &doc) view->CommitCellEdit();
  QString text = actions_.contains(id) ? actions_[id]->text() : QString();
  text.remove(QLatin1Char('&'));
  return text;
}

void CMainFrame::RunRecorded(int id, CProgramDoc& doc, const std::function<void()>& edit) {
  const QString text = StepBeforeDialog(id, doc);
  const RadioImage before = doc.Image();
  edit();
  doc.RecordChange(text, before);
}

void CMainFrame::UndoOrRedo(bool redo) {
  CProgramDoc* doc = ActiveDocument();
  if (!doc) return;
  // An edit still open in a cell is what Undo takes back first: it is
  // dropped, and no recorded step is undone with it.
  if (CProgramView* view = ActiveView(); view && view->DropPendingEdit() && !redo) return;
  if (redo)
    doc->UndoStack().redo();
  else
    doc->UndoStack().undo();
}

bool CMainFrame::RadioBusy() const { return transfers_->Running(); }

void CMainFrame::SetRadioBusy(bool busy) {
  if (busy)
    transfers_->Started(this, nullptr, false, {});
  else
    transfers_->Ended(this);
}

void CMainFrame::SetCommandHandler(int id, CommandHandler handler) {
  if (handler)
    handlers_.insert(id, std::move(handler));
  else
    handlers_.remove(id);
  UpdateUi();
}

void CMainFrame::OnCommand(int id) {
  if (!IsCommandEnabled(id)) return;
  switch (id) {
    case cmd::kFileNew: return OnFileNew();
    case cmd::kFileOpen: return OnFileOpen();
    case cmd::kFileClose: return OnFileClose();
    case cmd::kFileSave: SaveDocument(ActiveFrame(), false); return;
    case cmd::kFileSaveAs: SaveDocument(ActiveFrame(), true); return;
    case cmd::kAppExit: close(); return;
    case cmd::kChannelInformation: return ShowChannelInformation();
    case cmd::kViewControlBar: return ToggleNavigationBar();
    case cmd::kViewToolbar: toolBar_->setVisible(!toolBar_->isVisible()); return;
    case cmd::kViewStatusBar: {
      statusBar()->setVisible(!statusBar()->isVisible());
      actions_[cmd::kViewStatusBar]->setChecked(statusBar()->isVisible());
      return;
    }
    case cmd::kHelp: return OnHelp();
    case cmd::kHelpDefaultTopic: ShowHelpContext(0); return;
    case cmd::kNextPane:
    case cmd::kPrevPane: return FocusNextPane();
    case cmd::kEditUndo: return UndoOrRedo(false);
    case cmd::kEditRedo: return UndoOrRedo(true);
    default:
      if (const RowCommand* command = RowCommandOf(id)) {
        if (CProgramView* view = ActiveView()) view->RunRowCommand(*command);
        return;
      }
      return RunWiredCommand(id);
  }
}

// Product Information, Optional Features, DTMF, MSK, 2-Tone, Key Assignment,
// Squelch Tuning, Read, Write, Com Setup, Print, Print Preview, Print Setup,
// Language and About: each runs the handler its own part installs.
void CMainFrame::RunWiredCommand(int id) {
  const auto handler = handlers_.value(id);
  if (handler) handler();
}

void CMainFrame::ShowChannelInformation() {
  CChildFrame* frame = ActiveFrame();
  if (!frame && frames_.contains(lastFrame_)) frame = lastFrame_;
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

void CMainFrame::UpdateUi() {
  const bool document = ActiveFrame() != nullptr;
  if (document != showingDocumentMenu_) {
    showingDocumentMenu_ = document;
    menuBar()->clear();
    for (QMenu* m : document ? menus129_ : menus128_) menuBar()->addMenu(m);
  }
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
    it.value()->setEnabled(IsCommandEnabled(it.key()));
  // Undo and Redo name the step they take back or bring again.
  const CProgramDoc* doc = ActiveDocument();
  const QString undoText = doc ? doc->UndoStack().undoText() : QString();
  const QString redoText = doc ? doc->UndoStack().redoText() : QString();
  actions_[cmd::kEditUndo]->setText(undoText.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undoText));
  actions_[cmd::kEditRedo]->setText(redoText.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redoText));
}

// --- Documents --------------------------------------------------------------

QList<CChildFrame*> CMainFrame::DocumentFrames() const { return frames_; }

CChildFrame* CMainFrame::ActiveFrame() const {
  auto* current = qobject_cast<CChildFrame*>(mdi_ ? mdi_->currentSubWindow() : nullptr);
  if (current && frames_.contains(current) && !current->isHidden()) return current;
  // The active window was hidden: the most recently active visible one
  // takes its place, as it does on screen.
  if (!mdi_) return nullptr;
  const QList<QMdiSubWindow*> history = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
  for (auto it = history.crbegin(); it != history.crend(); ++it) {
    auto* frame = qobject_cast<CChildFrame*>(*it);
    if (frame && frames_.contains(frame) && !frame->isHidden()) return frame;
  }
  return nullptr;
}

CProgramDoc* CMainFrame::ActiveDocument() const {
  CChildFrame* frame = ActiveFrame();
  return frame ? &frame->Document() : nullptr;
}

CProgramView* CMainFrame::ActiveView() const {
  CChildFrame* frame = ActiveFrame();
  return frame ? &frame->View() : nullptr;
}

CChildFrame* CMainFrame::AddDocumentFrame(std::unique_ptr<CProgramDoc> doc, bool hasFile) {
  auto* frame = new CChildFrame(std::move(doc));
  frames_.append(frame);
  hasFile_.insert(frame, hasFile);
  mdi_->addSubWindow(frame);
  frame->setGeometry(0, 0, CChildFrame::kWidth, CChildFrame::kHeight);
  frame->View().OnInitialUpdate();
  connect(frame, &CChildFrame::hiddenByCloseRequest, this, [this](CChildFrame*) { UpdateUi(); });
  frame->SetCloseGuard([this, frame] {
    return transfers_->MayClose(this, &frame->Document(), [window = QPointer<CChildFrame>(frame)] {
      if (window) window->close();
    });
  });
  connect(&frame->Document(), &CProgramDoc::modifiedChanged, this, [this] { UpdateUi(); });
  connect(&frame->Document().UndoStack(), &QUndoStack::indexChanged, this, [this] { UpdateUi(); });
  connect(&frame->View(), &CProgramView::rowSelectionChanged, this, [this] { UpdateUi(); });
  frame->show();
  mdi_->setActiveSubWindow(frame);
  lastFrame_ = frame;
  UpdateUi();
  emit documentAdded(frame);
  return frame;
}

CChildFrame* CMainFrame::NewDocument() {
  auto doc = std::make_unique<CProgramDoc>();
  if (!doc->OnNewDocument(App().band.bytes, App().language, App().appName)) return nullptr;
  return AddDocumentFrame(std::move(doc), /*hasFile=*/false);
}

void CMainFrame::OnFileNew() {
  // Only a shown document window is cleared (hidden ones stay as they are),
  // so only then is there something to warn about.
  if (CChildFrame* active = ActiveFrame()) {
    // String 61450. The active window goes without the save question.
    const auto answer = ShowMessage(this, tr("All data will be Cleared!"), QMessageBox::Warning,
                                    QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    frames_.removeAll(active);
    hasFile_.remove(active);
    if (lastFrame_ == active) lastFrame_ = nullptr;
    delete active;
  }
  NewDocument();
}

QString CMainFrame::AskFileName(bool save, const QString& suggested) {
  // A document's own file keeps its folder; Open and a new document's name
  // start in the folder last used for radio files.
  const QString start = QFileInfo(suggested).isAbsolute()
                            ? suggested
                            : SuggestedFilePath(FileKind::RadioImage, suggested);
  QString chosen;
  if (fileNamePrompt_) {
    chosen = fileNamePrompt_(save, start);
  } else {
    const QString filter = QString::fromLatin1(kDatFilter);
    chosen = save ? QFileDialog::getSaveFileName(this, tr("Save As"), start, filter)
                  : QFileDialog::getOpenFileName(this, tr("Open"), start, filter);
  }
  RememberFileFolder(FileKind::RadioImage, chosen);
  return chosen;
}

void CMainFrame::OnFileOpen() {
  const QString name = AskFileName(false, QString());
  if (!name.isEmpty()) OpenDocumentFile(name);
}

CChildFrame* CMainFrame::OpenDocumentFile(const QString& name) {
  return docManager_.OpenDocumentFile(name);
}

bool CMainFrame::SaveDocument(CChildFrame* frame, bool saveAs) {
  if (!frame) return false;
  CProgramDoc& doc = frame->Document();
  QString path = doc.PathName();
  if (saveAs || !hasFile_.value(frame)) {
    // A new document offers its default name (the AppName) with ".dat".
    QString suggested = path;
    if (!hasFile_.value(frame) && !suggested.isEmpty() && !suggested.endsWith(".dat"))
      suggested += ".dat";
    path = AskFileName(true, suggested);
    if (path.isEmpty()) return false;
  }
  QString error;
  if (!doc.OnSaveDocument(path, error, App().language)) {
    ShowMessage(this,
                App().Tr("Cannot save the document \"%1\".", "无法保存文件“%1”。")
                        .arg(QDir::toNativeSeparators(path)) + "\n" + error,
                QMessageBox::Warning);
    return false;
  }
  if (!doc.LastSaveWarning().isEmpty())
    ShowMessage(this, doc.LastSaveWarning(), QMessageBox::Warning);
  hasFile_.insert(frame, true);
  return true;
}

void CMainFrame::OnFileClose() {
  if (CChildFrame* frame = ActiveFrame()) frame->close();  // hides it
  UpdateUi();
}

CChildFrame* CMainFrame::FrameOf(CProgramDoc* doc) const {
  for (CChildFrame* frame : frames_)
    if (&frame->Document() == doc) return frame;
  return nullptr;
}

// Closing the program with unsaved changes asks, document by document:
// Save, Discard or Cancel. Cancel (or a save that fails) keeps it running.
bool CMainFrame::AskToSaveChanges() {
  for (CChildFrame* frame : frames_) {
    CProgramDoc& doc = frame->Document();
    if (!doc.IsModified()) continue;
    const QString name = hasFile_.value(frame)
                             ? QDir::toNativeSeparators(doc.PathName())
                             : doc.Title();
    const auto answer = ShowMessage(
        this, App().Tr("Save changes to \"%1\"?", "是否保存对“%1”的修改？").arg(name),
        QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Save && !SaveDocument(frame, false)) return false;
  }
  return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!transfers_->MayClose(this, nullptr, [this] { close(); }) || !AskToSaveChanges()) {
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

void CMainFrame::OnHelp() { ShowHelpContext(HelpContext()); }

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  auto* menu = qobject_cast<QMenu*>(watched);
  if (menu) {
    if (event->type() == QEvent::Show) openMenu_ = menu;
    if (event->type() == QEvent::Hide && openMenu_ == menu) openMenu_ = nullptr;
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
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
