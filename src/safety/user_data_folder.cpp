#include "safety/user_data_folder.h"

#include <QStandardPaths>

namespace radio {
namespace {

QString& Override() {
  static QString folder;
  return folder;
}

}  // namespace

QString UserDataFolder() {
  if (!Override().isEmpty()) return Override();
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString BackupFolder() { return UserDataFolder() + "/backups"; }
QString RecoveryFolder() { return UserDataFolder() + "/recovery"; }

void SetUserDataFolder(const QString& folder) { Override() = folder; }

}  // namespace radio
