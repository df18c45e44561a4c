// Context help: enHelp.html / chHelp.html beside the program, one anchor per
// help context number ("#ctx-1127"), shown in the program's help window.
// A missing help file makes every request do nothing.
#pragma once

#include <QString>

namespace radio {

// Opens the running language's help file at `context` (0: the default topic).
void ShowHelpContext(int context);
// Opens a given help file (e.g. "enHelp.html" whatever the language).
void ShowHelpContextIn(const QString& fileName, int context);
// The URL a request opens, or an empty URL when the file is missing.
QString HelpUrl(const QString& fileName, int context);

}  // namespace radio
