// The per-user data folder that holds the copies of reads ("backups") and
// the recovery files of unsaved documents ("recovery"): the system's
// application data location of radioprog, shared by the desktop program and
// radioprog-cli. Tests point it at a temporary folder.
#pragma once

#include <QString>

namespace radio {

// The application name both programs give Qt, so that they find one folder.
inline constexpr const char kUserDataAppName[] = "radioprog";

// The folder (without a trailing '/'); created by whoever writes into it.
QString UserDataFolder();
QString BackupFolder();    // UserDataFolder() + "/backups"
QString RecoveryFolder();  // UserDataFolder() + "/recovery"

// Replaces the system location for the rest of the process (empty: back to
// the system location).
void SetUserDataFolder(const QString& folder);

}  // namespace radio
