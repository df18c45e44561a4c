// The main window's side of the command table: one action per command,
// the two menu bars, the toolbar and the grid's row menu built from the
// table, each command's enabled state decided by its rules, and OnCommand.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoStack>

#include "channels/program_view.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/radio_transfers.h"

namespace radio {

void CMainFrame::BuildActions() {
  for (const Command& command : Commands()) {
    auto* action = new QAction(command.text.Translated(), this);
    action->setData(command.id);
    if (!command.prompt.Empty()) action->setStatusTip(command.prompt.Translated());
    if (!command.keys.isEmpty()) action->setShortcuts(command.keys);
    if (command.gridKeysOnly) action->setShortcutContext(Qt::WidgetShortcut);
    if (command.icon) action->setIcon(style()->standardIcon(*command.icon));
    if (command.checkable) {
      action->setCheckable(true);
      action->setChecked(true);
    }
    connect(action, &QAction::triggered, this, [this, id = command.id] { OnCommand(id); });
    actions_.insert(command.id, action);
    addAction(action);  // accelerators work whichever menu is shown
  }
}

QMenu* CMainFrame::BuildMenu(const MenuLayout& layout) {
  auto* menu = new QMenu(layout.title.Translated(), this);
  for (const MenuEntry& entry : layout.entries) {
    if (entry.id == 0) {
      menu->addSeparator();
    } else if (entry.text.Empty()) {
      menu->addAction(actions_.value(entry.id));
    } else {
      // A second entry for the same command under a text of its own.
      auto* named = new QAction(entry.text.Translated(), this);
      named->setData(entry.id);
      connect(named, &QAction::triggered, this, [this, id = entry.id] { OnCommand(id); });
      connect(actions_[entry.id], &QAction::enabledChanged, named, &QAction::setEnabled);
      named->setEnabled(false);
      menu->addAction(named);
    }
  }
  menu->installEventFilter(this);
  return menu;
}

void CMainFrame::BuildMenus() {
  for (const MenuLayout& layout : NoDocumentMenuBar()) noDocumentMenus_ << BuildMenu(layout);
  for (const MenuLayout& layout : DocumentMenuBar()) {
    QMenu* menu = BuildMenu(layout);
    if (qstrcmp(layout.title.source, "&Edit") == 0) editMenu_ = menu;
    if (qstrcmp(layout.title.source, "Setup") == 0) setupMenu_ = menu;
    documentMenus_ << menu;
  }
  for (QMenu* m : noDocumentMenus_) menuBar()->addMenu(m);
}

void CMainFrame::BuildToolBar() {
  toolBar_ = new QToolBar(tr("Standard"), this);
  toolBar_->setObjectName("toolbar");
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  for (int id : ToolBarLayout()) {
    if (id == 0)
      toolBar_->addSeparator();
    else
      toolBar_->addAction(actions_.value(id));
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
  connect(toolBar_, &QToolBar::visibilityChanged, actions_[cmd::kViewToolbar],
          &QAction::setChecked);
}

void CMainFrame::ShowRowMenu(CProgramView& view, const QPoint& at) {
  QMenu menu(&view);
  for (int id : RowMenuLayout()) {
    const Command* command = id ? FindCommand(id) : nullptr;
    if (!command || !command->row) {
      menu.addSeparator();
      continue;
    }
    QAction* entry = menu.addAction(command->rowMenuText.Translated());
    entry->setEnabled(!RadioBusy() && view.CanRunRowCommand(*command->row));
    connect(entry, &QAction::triggered, &view,
            [&view, row = *command->row] { view.RunRowCommand(row); });
  }
  menu.exec(at);
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

QAction* CMainFrame::Action(int id) const {
  return actions_.value(id, nullptr);
}

bool CMainFrame::IsCommandEnabled(int id) const {
  const Command* command = FindCommand(id);
  if (!command) return false;
  if (command->row)
    return !RadioBusy() && ActiveView() && ActiveView()->CanRunRowCommand(*command->row);
  if (RadioBusy() && (command->rules & kNotDuringTransfer)) return false;
  if ((command->rules & kNeedsHandler) && !handlers_.contains(id)) return false;
  if ((command->rules & kNeedsDocument) && !ActiveDocument()) return false;
  if (id == cmd::kEditUndo) return ActiveDocument()->UndoStack().canUndo();
  if (id == cmd::kEditRedo) return ActiveDocument()->UndoStack().canRedo();
  return true;
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
  const Command* command = FindCommand(id);
  if (command->row) {
    if (CProgramView* view = ActiveView()) view->RunRowCommand(*command->row);
  } else if (command->run) {
    command->run(*this);
  } else if (const CommandHandler handler = handlers_.value(id)) {
    handler();
  }
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

void CMainFrame::UpdateUi() {
  const bool document = ActiveFrame() != nullptr;
  if (document != showingDocumentMenu_) {
    showingDocumentMenu_ = document;
    menuBar()->clear();
    for (QMenu* m : document ? documentMenus_ : noDocumentMenus_) menuBar()->addMenu(m);
  }
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
    it.value()->setEnabled(IsCommandEnabled(it.key()));
  // Undo and Redo name the step they take back or bring again.
  const CProgramDoc* doc = ActiveDocument();
  const QString undoText = doc ? doc->UndoStack().undoText() : QString();
  const QString redoText = doc ? doc->UndoStack().redoText() : QString();
  actions_[cmd::kEditUndo]->setText(undoText.isEmpty() ? tr("&Undo")
                                                       : tr("&Undo %1").arg(undoText));
  actions_[cmd::kEditRedo]->setText(redoText.isEmpty() ? tr("&Redo")
                                                       : tr("&Redo %1").arg(redoText));
}

}  // namespace radio
