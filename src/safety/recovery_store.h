// Recovery files of unsaved documents: one file per modified document,
// holding its image and what is needed to give it back as it was (path
// name, title, whether it has a file of its own). Each run of the program
// is a session holding a lock file; files of a session whose lock is free
// were left by a run that did not end cleanly.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include "image/radio_image.h"

namespace radio {

struct RecoveryRecord {
  QString pathName;
  QString title;
  bool hasFile = false;
  QDateTime savedAt;
  RadioImage image{};
};

// One file: JSON with the image in base64. Parsing refuses anything that is
// not a whole record with exactly 6144 image bytes.
QByteArray SerialiseRecoveryRecord(const RecoveryRecord& record);
std::optional<RecoveryRecord> ParseRecoveryRecord(const QByteArray& bytes);

struct RecoveryLeftover {
  QString path;
  std::optional<RecoveryRecord> record;  // nothing: the file is damaged
};

class RecoveryStore {
 public:
  static constexpr const char kSuffix[] = ".recovery";
  // What a damaged file is renamed to end with (never deleted silently).
  static constexpr const char kDamagedSuffix[] = ".damaged";

  explicit RecoveryStore(QString folder) : folder_(std::move(folder)) {}

  // Atomically writes the record of document `number` of `session`.
  bool Write(const QString& session, int number, const RecoveryRecord& record, QString& error);
  void Remove(const QString& session, int number);
  QString PathOf(const QString& session, int number) const;
  QString LockPathOf(const QString& session) const;

  // The files of every other session whose run has ended (its lock is
  // free or gone), oldest first. Files of a run still going are left alone.
  QList<RecoveryLeftover> Leftovers(const QString& ownSession) const;

  // Renames a damaged file to "<name>.damaged" (a free name); returns the
  // new path, or empty when it could not be renamed.
  static QString SetAside(const QString& path);

  const QString& Folder() const { return folder_; }

 private:
  QString folder_;
};

}  // namespace radio
