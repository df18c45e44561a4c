#include "safety/backup_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <string>

#include "base/app_context.h"
#include "base/settings_store.h"
#include "image/dat_file.h"

namespace radio {

int BackupsKept(const SettingsStore& store) {
  bool ok = false;
  const int kept = store.Value(kBackupsKeptValue).toInt(&ok);
  return ok && kept > 0 ? kept : kDefaultBackupsKept;
}

QString BackupStore::Save(const RadioImage& image, const QDateTime& when, const QString& modelName,
                          QString& error) {
  if (!QDir().mkpath(folder_)) {
    error = App()
                .Tr("Cannot make the backup folder \"%1\".", "无法建立备份文件夹“%1”。")
                .arg(QDir::toNativeSeparators(folder_));
    return {};
  }
  const QDate d = when.date();
  const QTime t = when.time();
  const BackupStamp stamp{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
  const std::string model = BackupModelText(image, modelName.toStdString());
  const std::string band = BackupBandText(image);
  QString path;
  for (int sequence = 1;; ++sequence) {
    path = folder_ + '/' + QString::fromStdString(BackupFileName(stamp, model, band, sequence));
    if (!QFileInfo::exists(path)) break;
  }
  std::string err;
  if (!SaveDatFile(path.toStdString(), image, err, App().language)) {
    error = QString::fromStdString(err);
    return {};
  }
  Prune();
  return path;
}

QList<BackupEntry> BackupStore::List() const {
  QList<BackupEntry> entries;
  const QFileInfoList files = QDir(folder_).entryInfoList({"*.dat"}, QDir::Files);
  for (const QFileInfo& file : files) {
    auto parts = ParseBackupFileName(file.fileName().toStdString());
    if (!parts) continue;
    entries.append({file.absoluteFilePath(), file.fileName(), std::move(*parts), file.size()});
  }
  std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
    return IsNewerBackup(a.parts, b.parts);
  });
  return entries;
}

void BackupStore::Prune() const {
  const QList<BackupEntry> entries = List();
  for (qsizetype i = std::max(kept_, 1); i < entries.size(); ++i) QFile::remove(entries[i].path);
}

}  // namespace radio
