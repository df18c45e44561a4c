// The desktop program's copy of every complete read: kept in the backup
// folder the moment the read ends, before anyone edits it. A folder that
// cannot be written never costs the read; the user hears about it once
// per run.
#pragma once

#include <QString>

#include "image/radio_image.h"

class QWidget;

namespace radio {

// Saves `image` as a new backup (model names from Program.ini, the number
// kept from the settings store). Returns the path written, or empty after
// a failure (warned about, message boxes parented to `parent`, the first
// time in this run only).
QString KeepReadBackup(const RadioImage& image, QWidget* parent);

// Lets the next failure warn again (a new run; tests).
void ResetReadBackupWarning();

}  // namespace radio
