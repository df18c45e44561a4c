// CMainFrame: the main window. It holds the toolbar, the status bar, the
// navigation bar and the client area with the document windows, and it is
// the one place where every command id is routed (OnCommand). Commands whose
// dialogs live elsewhere are wired in with SetCommandHandler or the
// Wire...Dialog helpers; until then they stay disabled.
#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <type_traits>

#include "image/program_doc.h"
#include "shell/doc_manager.h"
#include "widgets/setting_dlg.h"

class QAction;
class QDockWidget;
class QLabel;
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

  // --- Documents --------------------------------------------------------
  // The document window shown as active (hidden windows never are).
  CChildFrame* ActiveFrame() const;
  CProgramDoc* ActiveDocument() const;
  CProgramView* ActiveView() const;
  // Every document window, hidden ones included, oldest first.
  QList<CChildFrame*> DocumentFrames() const;

  // New: asks "All data will be Cleared!" when a document window is shown;
  // on OK that one goes without a save prompt and a new one comes.
  void OnFileNew();
  // A new document with the defaults, in a new window, without a question.
  CChildFrame* NewDocument();
  // File Open: the file dialog, then the open rule.
  void OnFileOpen();
  // The open rule for a file named by the user, the command line or a drop.
  CChildFrame* OpenDocumentFile(const QString& name);
  // Adds a document window for `doc` and shows it at 0,0, 1095 x 650.
  CChildFrame* AddDocumentFrame(std::unique_ptr<CProgramDoc> doc, bool hasFile);
  // Saves the document of `frame` (Save As asks for a name). False when not
  // saved (failed or cancelled).
  bool SaveDocument(CChildFrame* frame, bool saveAs);
  // Whether the document of `frame` has a file of its own (Save needs no name).
  bool HasFile(CChildFrame* frame) const { return hasFile_.value(frame); }

  // How a file name is asked for (tests replace it): `save` says which
  // dialog; an empty answer cancels.
  using FileNamePrompt = std::function<QString(bool save, const QString& suggested)>;
  void SetFileNamePrompt(FileNamePrompt prompt) { fileNamePrompt_ = std::move(prompt); }

  // --- Menus and bars ---------------------------------------------------
  // The menu shown without a document (128) and with one (129).
  QList<QMenu*> MenusNoDocument() const { return menus128_; }
  QList<QMenu*> MenusDocument() const { return menus129_; }
  QMenu* EditMenu() const { return editMenu_; }
  QMenu* SetupMenu() const { return setupMenu_; }
  // Start-up's menu rules: Language only with ShowLang; DTMF and Key
  // Assignment (and the separator before them) leave the Edit menu.
  void ApplyStartupMenuRules(bool showLanguage);

  CNavigationBar* NavigationBar() const { return navBar_; }
  QDockWidget* NavigationDock() const { return navDock_; }
  CMdiBackground* MdiArea() const { return mdi_; }
  QToolBar* ToolBar() const { return toolBar_; }

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
  QAction* MakeAction(int id, const QString& text, const QKeySequence& shortcut = {});
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildNavigationBar();
  void UpdateUi();
  void ShowChannelInformation();
  void ToggleNavigationBar();
  void FocusNextPane();
  void OnFileClose();
  void OnHelp();
  void UndoOrRedo(bool redo);
  bool AskToSaveChanges();
  QString AskFileName(bool save, const QString& suggested);
  CChildFrame* FrameOf(CProgramDoc* doc) const;
  bool NeedsDocument(int id) const;

  // The places that later parts fill (each one named after its command).
  void RunWiredCommand(int id);

  RadioTransfers* transfers_ = nullptr;
  CMyDocManager docManager_;
  CMdiBackground* mdi_ = nullptr;
  CNavigationBar* navBar_ = nullptr;
  QDockWidget* navDock_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* setupMenu_ = nullptr;
  QList<QMenu*> menus128_;
  QList<QMenu*> menus129_;
  bool showingDocumentMenu_ = false;
  QHash<int, QAction*> actions_;
  QHash<int, CommandHandler> handlers_;
  QList<CChildFrame*> frames_;
  QHash<CChildFrame*, bool> hasFile_;
  CChildFrame* lastFrame_ = nullptr;  // what Channel Information shows again
  FileNamePrompt fileNamePrompt_;
  QMenu* openMenu_ = nullptr;  // the menu open now, for F1 on its entries
};

}  // namespace radio
