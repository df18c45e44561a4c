#include "safety/recovery_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>
#include <algorithm>
#include <string>

#include "image/dat_file.h"

namespace radio {
namespace {

constexpr int kFormat = 1;
constexpr qint64 kMaxRecoveryFileBytes = 1 << 20;  // a record is about 9 KB

// "<session>-<n>.recovery" -> "<session>"
QString SessionOfFile(const QString& fileName) {
  const QString base = fileName.left(fileName.size() - qsizetype(sizeof RecoveryStore::kSuffix) + 1);
  const qsizetype dash = base.lastIndexOf('-');
  return dash > 0 ? base.left(dash) : QString();
}

}  // namespace

QByteArray SerialiseRecoveryRecord(const RecoveryRecord& r) {
  QJsonObject o;
  o["format"] = kFormat;
  o["pathName"] = r.pathName;
  o["title"] = r.title;
  o["hasFile"] = r.hasFile;
  o["savedAt"] = r.savedAt.toString(Qt::ISODateWithMs);  // as exact as the clock that took it
  o["image"] = QString::fromLatin1(
      QByteArray(reinterpret_cast<const char*>(r.image.data()), qsizetype(r.image.size()))
          .toBase64());
  return QJsonDocument(o).toJson();
}

std::optional<RecoveryRecord> ParseRecoveryRecord(const QByteArray& bytes) {
  QJsonParseError parseError;
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
  const QJsonObject o = doc.object();
  if (o["format"].toInt() != kFormat || !o["pathName"].isString() || !o["title"].isString() ||
      !o["hasFile"].isBool() || !o["image"].isString())
    return std::nullopt;
  const auto decoded = QByteArray::fromBase64Encoding(o["image"].toString().toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded || decoded.decoded.size() != qsizetype(kImageSize)) return std::nullopt;
  RecoveryRecord r;
  r.pathName = o["pathName"].toString();
  r.title = o["title"].toString();
  r.hasFile = o["hasFile"].toBool();
  r.savedAt = QDateTime::fromString(o["savedAt"].toString(), Qt::ISODate);
  std::copy(decoded.decoded.begin(), decoded.decoded.end(), reinterpret_cast<char*>(r.image.data()));
  return r;
}

QString RecoveryStore::PathOf(const QString& session, int number) const {
  return folder_ + '/' + session + '-' + QString::number(number) + kSuffix;
}

QString RecoveryStore::LockPathOf(const QString& session) const {
  return folder_ + '/' + session + ".lock";
}

bool RecoveryStore::Write(const QString& session, int number, const RecoveryRecord& record,
                          QString& error) {
  if (!QDir().mkpath(folder_)) {
    error = QString("Cannot make the folder \"%1\".").arg(QDir::toNativeSeparators(folder_));
    return false;
  }
  const QByteArray bytes = SerialiseRecoveryRecord(record);
  std::string err;
  if (!WriteFileAtomically(PathOf(session, number).toStdString(), bytes.constData(),
                           std::size_t(bytes.size()), err)) {
    error = QString::fromStdString(err);
    return false;
  }
  return true;
}

void RecoveryStore::Remove(const QString& session, int number) {
  QFile::remove(PathOf(session, number));
}

QList<RecoveryLeftover> RecoveryStore::Leftovers(const QString& ownSession) const {
  QList<RecoveryLeftover> leftovers;
  const QFileInfoList files = QDir(folder_).entryInfoList(
      {QString("*") + kSuffix}, QDir::Files, QDir::Time | QDir::Reversed);
  QSet<QString> ended, running;
  for (const QFileInfo& file : files) {
    const QString session = SessionOfFile(file.fileName());
    if (session == ownSession || running.contains(session)) continue;
    if (!ended.contains(session)) {
      // A run still going holds its lock; a lock left by a run that died
      // is stale and taken over here (and released at once).
      QLockFile lock(LockPathOf(session));
      lock.setStaleLockTime(0);
      if (!lock.tryLock(0)) {
        running.insert(session);
        continue;
      }
      ended.insert(session);
    }
    RecoveryLeftover leftover{file.absoluteFilePath(), std::nullopt};
    QFile in(leftover.path);
    if (file.size() <= kMaxRecoveryFileBytes && in.open(QIODevice::ReadOnly))
      leftover.record = ParseRecoveryRecord(in.readAll());
    leftovers.append(leftover);
  }
  return leftovers;
}

QString RecoveryStore::SetAside(const QString& path) {
  QString target = path + kDamagedSuffix;
  for (int n = 2; QFileInfo::exists(target); ++n)
    target = path + '-' + QString::number(n) + kDamagedSuffix;
  return QFile::rename(path, target) ? target : QString();
}

}  // namespace radio
