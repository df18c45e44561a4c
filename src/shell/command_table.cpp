#include "shell/command_table.h"

#include <QCoreApplication>

#include "base/help.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"

namespace radio {
namespace {

constexpr char kFrame[] = "radio::CMainFrame";
constexpr char kView[] = "radio::CProgramView";

CatalogText FrameText(const char* source) {
  return {kFrame, source};
}
CatalogText ViewText(const char* source) {
  return {kView, source};
}

QList<QKeySequence> Keys(const QKeySequence& key) {
  return {key};
}
QList<QKeySequence> Keys(QKeySequence::StandardKey key) {
  return {QKeySequence(key)};
}

// Alt+Backspace undoes too, also where it is not the platform's custom.
QList<QKeySequence> UndoKeys() {
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Undo);
  if (!keys.contains(QKeySequence(Qt::ALT | Qt::Key_Backspace)))
    keys << QKeySequence(Qt::ALT | Qt::Key_Backspace);
  return keys;
}

// Commands that act on the active document, and may change it.
constexpr unsigned kDocumentEdit = kNeedsDocument | kNotDuringTransfer;
// A dialog or transfer of another part that edits the active document.
constexpr unsigned kWiredDocumentEdit = kNeedsHandler | kNeedsDocument | kNotDuringTransfer;

Command Plain(int id, const char* text, const char* prompt, unsigned rules,
              void (*run)(CMainFrame&) = nullptr) {
  Command c;
  c.id = id;
  c.text = FrameText(text);
  if (prompt) c.prompt = FrameText(prompt);
  c.rules = rules;
  c.run = run;
  return c;
}

Command Keyed(Command c, QList<QKeySequence> keys) {
  c.keys = std::move(keys);
  return c;
}

Command WithIcon(Command c, QStyle::StandardPixmap icon) {
  c.icon = icon;
  return c;
}

Command Checkable(Command c) {
  c.checkable = true;
  return c;
}

Command RowCommand(int id, const char* text, QList<QKeySequence> keys, CProgramView::RowCommand row,
                   const char* rowMenuText) {
  Command c = Plain(id, text, nullptr, kAnyTime);
  c.keys = std::move(keys);
  c.gridKeysOnly = true;
  c.row = row;
  c.rowMenuText = ViewText(rowMenuText);
  return c;
}

std::vector<Command> BuildCommands() {
  using R = CProgramView::RowCommand;
  using S = QStyle;
  return {
      WithIcon(Keyed(Plain(cmd::kFileNew, "&New", "Create a new document", kNotDuringTransfer,
                           [](CMainFrame& f) { f.Documents().OnFileNew(); }),
                     Keys(QKeySequence(Qt::CTRL | Qt::Key_N))),
               S::SP_FileIcon),
      WithIcon(Keyed(Plain(cmd::kFileOpen, "&Open...", "Open an existing document",
                           kNotDuringTransfer, [](CMainFrame& f) { f.Documents().OnFileOpen(); }),
                     Keys(QKeySequence(Qt::CTRL | Qt::Key_O))),
               S::SP_DialogOpenButton),
      Plain(cmd::kFileOpenBackup, "Open Backup…",
            "Open a copy kept of an earlier read from the radio",
            kNeedsHandler | kNotDuringTransfer),
      Plain(cmd::kFileClose, "&Close", "Close the active document", kDocumentEdit,
            [](CMainFrame& f) { f.Documents().OnFileClose(); }),
      WithIcon(Keyed(Plain(cmd::kFileSave, "&Save", "Save the active document", kDocumentEdit,
                           [](CMainFrame& f) { f.Documents().SaveActive(false); }),
                     Keys(QKeySequence(Qt::CTRL | Qt::Key_S))),
               S::SP_DialogSaveButton),
      Plain(cmd::kFileSaveAs, "Save &As...", "Save the active document with a new name",
            kDocumentEdit, [](CMainFrame& f) { f.Documents().SaveActive(true); }),
      WithIcon(Keyed(Plain(cmd::kFilePrint, "&Print...", "Print the active document",
                           kNeedsHandler | kNeedsDocument),
                     Keys(QKeySequence(Qt::CTRL | Qt::Key_P))),
               S::SP_FileDialogDetailedView),
      Plain(cmd::kFilePrintPreview, "Print Preview", "Display full pages",
            kNeedsHandler | kNeedsDocument),
      [] {
        // Named in the program-wide catalog context, not the main window's.
        Command c = Plain(cmd::kFileExportPdf, nullptr, nullptr, kNeedsHandler | kNeedsDocument);
        c.text = {"QObject", "Export PDF…"};
        return c;
      }(),
      Plain(cmd::kFilePrintSetup, "P&rint Setup...", "Change the printer and printing options",
            kNeedsHandler),
      Plain(cmd::kFileExportCsv, "Export Channels (CSV)…", "Write the channels to a CSV file",
            kWiredDocumentEdit),
      Plain(cmd::kFileImportCsv, "Import Channels (CSV)…",
            "Take channels from a CSV file, after a preview", kWiredDocumentEdit),
      Plain(cmd::kAppExit, "E&xit", "Quit the application", kAnyTime,
            [](CMainFrame& f) { f.close(); }),
      Plain(cmd::kFileCompareWith, "Compare With…",
            "Compare the active document with a file, a backup or the radio", kWiredDocumentEdit),
      Plain(cmd::kProductInformation, "Product Information", nullptr, kWiredDocumentEdit),
      Plain(cmd::kChannelInformation, "Channel Information", nullptr, kAnyTime,
            [](CMainFrame& f) { f.ShowChannelInformation(); }),
      Plain(cmd::kOptionalFeatures, "Optional Features", nullptr, kWiredDocumentEdit),
      Plain(cmd::kDtmf, "DTMF", nullptr, kWiredDocumentEdit),
      Plain(cmd::kKeyAssignment, "Key Assignment", nullptr, kWiredDocumentEdit),
      Plain(cmd::kMsk, "MSK", nullptr, kWiredDocumentEdit),
      Plain(cmd::kTwoTone, "2-Tone", nullptr, kWiredDocumentEdit),
      Plain(cmd::kSquelchTuning, "Squelch Tuning", nullptr, kWiredDocumentEdit),
      WithIcon(Keyed(Plain(cmd::kRead, "&Read", "Read Data From Radio", kWiredDocumentEdit),
                     Keys(QKeySequence(Qt::CTRL | Qt::Key_R))),
               S::SP_ArrowDown),
      WithIcon(Keyed(Plain(cmd::kWrite, "&Write", "Write Data To Radio", kWiredDocumentEdit),
                     Keys(QKeySequence(Qt::CTRL | Qt::Key_W))),
               S::SP_ArrowUp),
      Plain(cmd::kComSetup, "Com Setup", nullptr, kNeedsHandler | kNotDuringTransfer),
      Plain(cmd::kLanguage, "Language", nullptr, kNeedsHandler | kNotDuringTransfer),
      WithIcon(Plain(cmd::kAppAbout, "&About ...",
                     "Display program information, version number and copyright", kNeedsHandler),
               S::SP_MessageBoxInformation),
      Keyed(Plain(cmd::kHelp, "Help", nullptr, kAnyTime, [](CMainFrame& f) { f.OnHelp(); }),
            Keys(QKeySequence(Qt::Key_F1))),
      WithIcon(Keyed(Plain(cmd::kEditUndo, "&Undo", nullptr, kDocumentEdit,
                           [](CMainFrame& f) { f.UndoOrRedo(false); }),
                     UndoKeys()),
               S::SP_ArrowBack),
      WithIcon(Keyed(Plain(cmd::kEditRedo, "&Redo", nullptr, kDocumentEdit,
                           [](CMainFrame& f) { f.UndoOrRedo(true); }),
                     Keys(QKeySequence::Redo)),
               S::SP_ArrowForward),
      RowCommand(cmd::kEditCut, "Cu&t Channels", Keys(QKeySequence::Cut), R::kCut, "Cut Channels"),
      RowCommand(cmd::kEditCopy, "&Copy Channels", Keys(QKeySequence::Copy), R::kCopy,
                 "Copy Channels"),
      RowCommand(cmd::kEditPaste, "&Paste Channels", Keys(QKeySequence::Paste), R::kPaste,
                 "Paste Channels"),
      RowCommand(cmd::kEditInsertChannel, "&Insert Empty Channel",
                 Keys(QKeySequence(Qt::Key_Insert)), R::kInsert, "Insert Empty Channel"),
      RowCommand(cmd::kEditDeleteChannels, "&Delete Channels", Keys(QKeySequence(Qt::Key_Delete)),
                 R::kDelete, "Delete Channels"),
      RowCommand(cmd::kEditClear, "C&lear Channels", {}, R::kClear, "Clear Channels"),
      RowCommand(cmd::kEditMoveUp, "Move Channels U&p", Keys(QKeySequence(Qt::CTRL | Qt::Key_Up)),
                 R::kMoveUp, "Move Channels Up"),
      RowCommand(cmd::kEditMoveDown, "Move Channels D&own",
                 Keys(QKeySequence(Qt::CTRL | Qt::Key_Down)), R::kMoveDown, "Move Channels Down"),
      RowCommand(cmd::kEditSortFrequency, "Sort by Rx &Frequency", {}, R::kSortFrequency,
                 "Sort by Rx Frequency"),
      RowCommand(cmd::kEditSortName, "Sort by &Name", {}, R::kSortName, "Sort by Name"),
      Plain(cmd::kHelpDefaultTopic, "Help Topics", nullptr, kAnyTime,
            [](CMainFrame&) { ShowHelpContext(0); }),
      // Keys only, in no menu: the keyboard goes to the next or previous pane.
      Keyed(Plain(cmd::kNextPane, "", nullptr, kAnyTime, [](CMainFrame& f) { f.FocusNextPane(); }),
            Keys(QKeySequence(Qt::Key_F6))),
      Keyed(Plain(cmd::kPrevPane, "", nullptr, kAnyTime, [](CMainFrame& f) { f.FocusNextPane(); }),
            Keys(QKeySequence(Qt::SHIFT | Qt::Key_F6))),
      Checkable(Plain(cmd::kViewToolbar, "&Toolbar", nullptr, kAnyTime,
                      [](CMainFrame& f) { f.ToggleToolBar(); })),
      Checkable(Plain(cmd::kViewStatusBar, "&Status Bar", nullptr, kAnyTime,
                      [](CMainFrame& f) { f.ToggleStatusBar(); })),
      Checkable(Keyed(Plain(cmd::kViewControlBar, "Control &Bar", nullptr, kAnyTime,
                            [](CMainFrame& f) { f.ToggleNavigationBar(); }),
                      Keys(QKeySequence(Qt::CTRL | Qt::Key_B)))),
  };
}

}  // namespace

QString CatalogText::Translated() const {
  return Empty() ? QString() : QCoreApplication::translate(context, source);
}

const std::vector<Command>& Commands() {
  // Built on first use: the platform's standard keys need the application.
  static const std::vector<Command> commands = BuildCommands();
  return commands;
}

const Command* FindCommand(int id) {
  for (const Command& command : Commands())
    if (command.id == id) return &command;
  return nullptr;
}

// The layouts read as the menus look: one line per group, 0 a separator.
// clang-format off
const std::vector<MenuLayout>& NoDocumentMenuBar() {
  static const std::vector<MenuLayout> menus = {
      {FrameText("&File"), {cmd::kFileNew, cmd::kFileOpen, cmd::kFileOpenBackup, 0,
                            cmd::kFilePrintSetup, 0,
                            cmd::kAppExit}},
      {FrameText("&View"), {cmd::kViewToolbar, cmd::kViewStatusBar}},
      {FrameText("&Help"), {cmd::kAppAbout}},
  };
  return menus;
}

const std::vector<MenuLayout>& DocumentMenuBar() {
  static const std::vector<MenuLayout> menus = {
      {FrameText("&File"), {cmd::kFileNew, cmd::kFileOpen, cmd::kFileOpenBackup, cmd::kFileClose,
                            cmd::kFileSave, cmd::kFileSaveAs, cmd::kFileCompareWith, 0,
                            cmd::kFileExportCsv, cmd::kFileImportCsv, 0,
                            cmd::kFilePrint, cmd::kFilePrintPreview, cmd::kFileExportPdf,
                            // This menu names Print Setup without its access key.
                            {cmd::kFilePrintSetup, FrameText("Print Setup...")}, 0,
                            cmd::kAppExit}},
      {FrameText("&Edit"), {cmd::kEditUndo, cmd::kEditRedo, 0,
                            cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, 0,
                            cmd::kEditInsertChannel, cmd::kEditDeleteChannels, cmd::kEditClear,
                            cmd::kEditMoveUp, cmd::kEditMoveDown, cmd::kEditSortFrequency,
                            cmd::kEditSortName, 0,
                            cmd::kProductInformation, cmd::kChannelInformation, 0,
                            cmd::kOptionalFeatures, 0,
                            cmd::kDtmf, cmd::kKeyAssignment}},
      {FrameText("&Program"), {cmd::kRead, cmd::kWrite}},
      {FrameText("Setup"), {cmd::kComSetup, cmd::kLanguage}},
      {FrameText("&View"), {cmd::kViewToolbar, cmd::kViewStatusBar, 0, cmd::kViewControlBar}},
      {FrameText("&Help"), {cmd::kAppAbout}},
  };
  return menus;
}

const std::vector<int>& ToolBarLayout() {
  static const std::vector<int> layout = {
      cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, 0,
      cmd::kEditUndo, cmd::kEditRedo, 0,
      cmd::kRead, 0,
      cmd::kWrite, 0,
      cmd::kFilePrint, cmd::kAppAbout};
  return layout;
}

const std::vector<int>& RowMenuLayout() {
  static const std::vector<int> layout = {
      cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, 0,
      cmd::kEditInsertChannel, cmd::kEditDeleteChannels, cmd::kEditClear, 0,
      cmd::kEditMoveUp, cmd::kEditMoveDown, 0,
      cmd::kEditSortFrequency, cmd::kEditSortName};
  return layout;
}
// clang-format on

}  // namespace radio
