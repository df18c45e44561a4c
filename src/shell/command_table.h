// The program's commands, each described once: its id, its menu text and
// status-bar prompt (catalog entries), its keys and toolbar icon, what runs
// it and when it is enabled. The main window builds its actions, both menu
// bars, the toolbar and the grid's row menu from this table and decides
// every command's enabled state by its rules.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStyle>
#include <optional>
#include <vector>

#include "channels/program_view.h"

namespace radio {

class CMainFrame;

// A text of the program's catalog: the context it is translated in and its
// English source.
struct CatalogText {
  const char* context = nullptr;
  const char* source = nullptr;
  QString Translated() const;
  bool Empty() const { return !source || !*source; }
};

// When a command may run; the rules add up.
enum CommandRule : unsigned {
  kAnyTime = 0,
  kNeedsDocument = 1u << 0,      // an active document window
  kNeedsHandler = 1u << 1,       // its work lives in another part, wired in at start-up
  kNotDuringTransfer = 1u << 2,  // it would change or replace a document, or the port
};

struct Command {
  int id = 0;
  CatalogText text;    // menu text (empty: keys only, in no menu)
  CatalogText prompt;  // status-bar prompt
  QList<QKeySequence> keys;
  // Channel commands take their keys in the grid only (where a single
  // cell keeps its own Ctrl+C and the editors their Delete); the menu
  // just shows them.
  bool gridKeysOnly = false;
  std::optional<QStyle::StandardPixmap> icon;  // on the toolbar
  bool checkable = false;                      // shown checked at start
  unsigned rules = kAnyTime;
  // What runs it; none for the commands wired in from other parts and for
  // the channel commands, which the active view runs.
  void (*run)(CMainFrame&) = nullptr;
  // A command on whole channels of the active grid: enabled with a row
  // selection (for paste, channels on the clipboard), never during a
  // transfer, and named in the grid's row menu.
  std::optional<CProgramView::RowCommand> row;
  CatalogText rowMenuText;
};

// Every command, in the order the main window creates its actions.
const std::vector<Command>& Commands();
const Command* FindCommand(int id);

// An entry of a menu or toolbar: a command, or a separator (id 0). A menu
// may name a command with a text of its own.
struct MenuEntry {
  MenuEntry(int commandId, CatalogText ownText = {}) : id(commandId), text(ownText) {}
  int id;
  CatalogText text;
};
struct MenuLayout {
  CatalogText title;
  std::vector<MenuEntry> entries;
};

// The menu bar without a document and with one; the toolbar; the grid's
// row menu.
const std::vector<MenuLayout>& NoDocumentMenuBar();
const std::vector<MenuLayout>& DocumentMenuBar();
const std::vector<int>& ToolBarLayout();
const std::vector<int>& RowMenuLayout();

}  // namespace radio
