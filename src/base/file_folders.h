// Where file dialogs open: in the folder last used for the same kind of
// file (kept in the settings store, so it outlives the run and a language
// restart), else in a fallback such as the document's own folder, else in
// the user's documents folder; never in the program's folder by chance.
#pragma once

#include <QString>

namespace radio {

enum class FileKind { RadioImage, ChannelList, Pdf };

// The folder a dialog for `kind` opens in. `fallback` (may be empty) is
// used when no folder was kept for the kind yet.
QString FileDialogFolder(FileKind kind, const QString& fallback = QString());

// The file name of `name` in the folder a dialog for `kind` opens in.
QString SuggestedFilePath(FileKind kind, const QString& name, const QString& fallback = QString());

// Keeps the folder of `chosenPath` for the next dialog of `kind`.
void RememberFileFolder(FileKind kind, const QString& chosenPath);

}  // namespace radio
