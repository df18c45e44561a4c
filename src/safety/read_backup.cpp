#include "safety/read_backup.h"

#include <QDateTime>
#include <QDir>

#include "base/app_context.h"
#include "base/message_box.h"
#include "base/settings_store.h"
#include "safety/backup_store.h"
#include "safety/user_data_folder.h"

namespace radio {
namespace {

bool& Warned() {
  static bool warned = false;
  return warned;
}

}  // namespace

QString KeepReadBackup(const RadioImage& image, QWidget* parent) {
  BackupStore store(BackupFolder(), BackupsKept(SettingsStore(App().appName)));
  QString error;
  const QString model = QString::fromStdString(ModelNameOfImage(image, App().ini));
  const QString path = store.Save(image, QDateTime::currentDateTime(), model, error);
  if (path.isEmpty() && !Warned()) {
    Warned() = true;
    ShowMessage(parent,
                App().Tr("The read is complete, but no backup copy of it could be kept in "
                         "\"%1\".\n%2\nSave the document to keep what was read.",
                         "读取已完成，但无法在“%1”中保存备份。\n%2\n请保存文件以保留读取的数据。")
                    .arg(QDir::toNativeSeparators(store.Folder()), error),
                QMessageBox::Warning);
  }
  return path;
}

void ResetReadBackupWarning() { Warned() = false; }

}  // namespace radio
