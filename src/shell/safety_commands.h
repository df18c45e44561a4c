// The desktop program's side of backups and crash recovery: File > Open
// Backup, the recovery keeper fed from the open document windows, and the
// offer to restore what a run that did not end cleanly left behind.
#pragma once

#include <QString>

#include "safety/recovery_keeper.h"

namespace radio {

class CChildFrame;
class CMainFrame;

// File > Open Backup: the list of copies, then the chosen one as a new
// document.
void OnOpenBackup(CMainFrame& frame);

// Opens a backup as a new, untitled document: its path name is the
// backup's base name only, so Save asks where to put it and the backup
// folder is never written through it.
CChildFrame* OpenBackupAsNewDocument(CMainFrame& frame, const QString& path);

// The open documents of `frame` as the keeper sees them (the channel
// grid's pending edits taken into the copy, not into the document).
RecoveryKeeper::Source RecoverySourceOf(CMainFrame& frame);

// Removes a document's recovery file the moment it is saved or its window
// goes away.
void WireRecovery(CMainFrame& frame, RecoveryKeeper& keeper);

// Offers each document left by a run that did not end cleanly: restored
// as a modified document under its own path name, or discarded. Damaged
// files are set aside with a message. Returns how many were restored.
int OfferRecovery(CMainFrame& frame, RecoveryKeeper& keeper);

}  // namespace radio
