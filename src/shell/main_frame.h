// CMainFrame: the main window. It holds the toolbar, the status bar, the
// navigation bar and the client area with the document windows, and it is
// the one place where every command id is routed (OnCommand). What each
// command is, and when it is enabled, is in the command table; commands
// whose dialogs live elsewhere are wired in with SetCommandHandler or the
// Wire...Dialog helpers, and stay disabled until then. The documents are
// kept by the document manager.
#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <type_traits>

#include "image/program_doc.h"
#include "shell/command_table.h"
#include "shell/doc_manager.h"
#include "widgets/setting_dlg.h"

class QAction;
class QDockWidget;
class QMenu;
class QToolBar;

namespace radio {

class CChildFrame;
class CMdiBackground;
class CNavigationBar;
class CProgramDoc;
class CProgramView;
class RadioTransfers;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the whole window from App(): title, menus, bars, tree, background.
  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  // --- Commands ---------------------------------------------------------
  // Runs the command `id` as menu, toolbar, accelerator or tree would.
  void OnCommand(int id);
  // The action that carries `id` (its data() is the id); nullptr if none.
  QAction* Action(int id) const;
  bool IsCommandEnabled(int id) const;

  // Wires a command whose work lives outside the main frame (a dialog, a
  // transfer, printing). Document commands run only with an active document.
  using CommandHandler = std::function<void()>;
  void SetCommandHandler(int id, CommandHandler handler);

  // While a transfer with the radio runs, the commands that would change or
  // replace a document (and Read/Write themselves) are disabled, and
  // closing the program or a document window asks first.
  RadioTransfers& Transfers() const { return *transfers_; }
  bool RadioBusy() const;
  // A transfer that cannot be stopped, for tests of the disabled commands.
  void SetRadioBusy(bool busy);

  // A dialog built afresh for each command: Dlg(QWidget*), int Run(CProgramDoc&).
  // Whatever a run of the dialog changes in the image is one undoable step
  // named after the command.
  template <class Dlg>
  void WireDialog(int id) {
    SetCommandHandler(id, [this, id] {
      if (CProgramDoc* doc = ActiveDocument()) {
        if constexpr (std::is_base_of_v<CSettingDlg, Dlg>) {
          const QString step = StepBeforeDialog(id, *doc);
          Dlg(this).Run(*doc, step);
        } else {
          RunRecorded(id, *doc, [this, doc] {
            Dlg dialog(this);
            dialog.Run(*doc);
          });
        }
      }
    });
  }
  // A dialog kept for the whole run and shown again and again.
  template <class Dlg>
  void WireLongLivedDialog(int id) {
    auto dialog = std::make_shared<Dlg*>(nullptr);
    SetCommandHandler(id, [this, id, dialog] {
      CProgramDoc* doc = ActiveDocument();
      if (!doc) return;
      if (!*dialog) *dialog = new Dlg(this);  // owned by the frame
      if constexpr (std::is_base_of_v<CSettingDlg, Dlg>)
        (*dialog)->Run(*doc, StepBeforeDialog(id, *doc));
      else
        RunRecorded(id, *doc, [dialog, doc] { (*dialog)->Run(*doc); });
    });
  }
  // Runs `edit` (a modal dialog) on `doc` and records what it changed in
  // the image as one step named after command `id`.
  void RunRecorded(int id, CProgramDoc& doc, const std::function<void()>& edit);
  // Before a dialog edits `doc`: commits a value still in a grid cell (its
  // own step) and returns the name of the dialog's step, command `id`'s text.
  // A setting dialog records its step itself.
  QString StepBeforeDialog(int id, CProgramDoc& doc);

  // --- Documents (kept by the document manager) -------------------------
  DocManager& Documents() { return docManager_; }
  CChildFrame* ActiveFrame() const { return docManager_.ActiveFrame(); }
  CProgramDoc* ActiveDocument() const { return docManager_.ActiveDocument(); }
  CProgramView* ActiveView() const { return docManager_.ActiveView(); }
  QList<CChildFrame*> DocumentFrames() const { return docManager_.DocumentFrames(); }
  CChildFrame* NewDocument() { return docManager_.NewDocument(); }
  CChildFrame* OpenDocumentFile(const QString& name) { return docManager_.OpenDocumentFile(name); }
  CChildFrame* AddDocumentFrame(std::unique_ptr<CProgramDoc> doc, bool hasFile) {
    return docManager_.AddDocumentFrame(std::move(doc), hasFile);
  }
  bool SaveDocument(CChildFrame* frame, bool saveAs) {
    return docManager_.SaveDocument(frame, saveAs);
  }
  bool HasFile(CChildFrame* frame) const { return docManager_.HasFile(frame); }
  void SetFileNamePrompt(DocManager::FileNamePrompt prompt) {
    docManager_.SetFileNamePrompt(std::move(prompt));
  }

  // --- Menus and bars ---------------------------------------------------
  // The menus shown without a document and with one.
  QList<QMenu*> MenusNoDocument() const { return noDocumentMenus_; }
  QList<QMenu*> MenusDocument() const { return documentMenus_; }
  QMenu* EditMenu() const { return editMenu_; }
  QMenu* SetupMenu() const { return setupMenu_; }
  // Start-up's menu rules: Language only with ShowLang; DTMF and Key
  // Assignment (and the separator before them) leave the Edit menu.
  void ApplyStartupMenuRules(bool showLanguage);

  CNavigationBar* NavigationBar() const { return navBar_; }
  QDockWidget* NavigationDock() const { return navDock_; }
  CMdiBackground* MdiArea() const { return mdi_; }
  QToolBar* ToolBar() const { return toolBar_; }

  // Enables each command by its rules, shows the menu bar that fits, and
  // names the steps Undo and Redo take.
  void UpdateUi();
  // The grid's row menu for `view`, at global position `at`.
  void ShowRowMenu(CProgramView& view, const QPoint& at);

  // --- Commands the main window runs itself ------------------------------
  void ShowChannelInformation();
  void ToggleToolBar();
  void ToggleStatusBar();
  void ToggleNavigationBar();
  void FocusNextPane();
  void OnHelp();
  // Undo or redo in the active document; an edit still open in a cell is
  // what Undo takes back first.
  void UndoOrRedo(bool redo);

  // The help context F1 opens now: the highlighted menu command, else the
  // document window's or the main window's own context.
  int HelpContext() const;

 signals:
  // A document window was added (new, opened, restored).
  void documentAdded(CChildFrame* frame);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  QMenu* BuildMenu(const MenuLayout& layout);
  void BuildToolBar();
  void BuildStatusBar();
  void BuildNavigationBar();

  RadioTransfers* transfers_ = nullptr;
  DocManager docManager_;
  CMdiBackground* mdi_ = nullptr;
  CNavigationBar* navBar_ = nullptr;
  QDockWidget* navDock_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* setupMenu_ = nullptr;
  QList<QMenu*> noDocumentMenus_;
  QList<QMenu*> documentMenus_;
  bool showingDocumentMenu_ = false;
  QHash<int, QAction*> actions_;
  QHash<int, CommandHandler> handlers_;
  QMenu* openMenu_ = nullptr;  // the menu open now, for F1 on its entries
};

}  // namespace radio
