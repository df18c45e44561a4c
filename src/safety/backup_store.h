// The folder of copies of every complete read from a radio: each read is
// kept untouched under a name with its date, time, model and bands, and
// only the newest ones are kept.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "image/radio_image.h"
#include "safety/backup_name.h"

namespace radio {

class SettingsStore;

// How many copies are kept when the settings store says nothing usable.
inline constexpr int kDefaultBackupsKept = 100;
// The settings-store value that changes it (a number from 1 up).
inline constexpr const char kBackupsKeptValue[] = "BackupsKept";

// The stored "BackupsKept", or the default for a missing, non-numeric or
// non-positive value.
int BackupsKept(const SettingsStore& store);

struct BackupEntry {
  QString path;
  QString fileName;
  BackupNameParts parts;
  qint64 size = 0;
};

class BackupStore {
 public:
  BackupStore(QString folder, int kept) : folder_(std::move(folder)), kept_(kept) {}

  // Writes `image` atomically as a new copy named after `when`, the model
  // and the image's bands (a free name: "-2", "-3" ... when taken), then
  // removes the oldest copies beyond the number kept. Returns the path
  // written, or empty with `error` set when the folder cannot be made or
  // written (nothing else is touched then).
  QString Save(const RadioImage& image, const QDateTime& when, const QString& modelName,
               QString& error);

  // Our own copies in the folder (other files are ignored), newest first.
  QList<BackupEntry> List() const;

  // Removes the oldest copies beyond the number kept.
  void Prune() const;

  const QString& Folder() const { return folder_; }

 private:
  QString folder_;
  int kept_;
};

}  // namespace radio
