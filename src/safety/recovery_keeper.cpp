#include "safety/recovery_keeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QSet>
#include <QUuid>

namespace radio {

RecoveryKeeper::RecoveryKeeper(QString folder, Source source, std::chrono::milliseconds interval,
                               QObject* parent)
    : QObject(parent),
      store_(std::move(folder)),
      source_(std::move(source)),
      session_(QString::number(QCoreApplication::applicationPid()) + '-' +
               QUuid::createUuid().toString(QUuid::Id128).left(8)) {
  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::Tick);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::Start() {
  if (!lock_ && QDir().mkpath(store_.Folder())) {
    lock_ = std::make_unique<QLockFile>(store_.LockPathOf(session_));
    lock_->setStaleLockTime(0);
    // Without the lock the files still protect the documents; a later run
    // would merely offer them while this one is still going.
    if (!lock_->tryLock(0)) qWarning("radioprog: cannot lock %s", qPrintable(lock_->fileName()));
  }
  timer_.start();
}

void RecoveryKeeper::Tick() {
  QSet<const void*> open;
  for (const RecoverySnapshot& doc : source_()) {
    open.insert(doc.key);
    if (!doc.modified) {
      Forget(doc.key);
      continue;
    }
    RecoveryRecord record{doc.pathName, doc.title, doc.hasFile, QDateTime::currentDateTime(),
                          doc.image()};
    auto it = kept_.find(doc.key);
    if (it != kept_.end() && it->written.image == record.image &&
        it->written.pathName == record.pathName && it->written.title == record.title &&
        it->written.hasFile == record.hasFile)
      continue;  // nothing new since the last write
    const int number = it != kept_.end() ? it->number : nextNumber_++;
    QString error;
    if (store_.Write(session_, number, record, error)) {
      kept_.insert(doc.key, Kept{number, record});
    } else if (!warned_) {
      // The documents themselves are untouched; the next tick tries again.
      warned_ = true;
      qWarning("radioprog: cannot write a recovery file: %s", qPrintable(error));
    }
  }
  for (const void* key : kept_.keys())
    if (!open.contains(key)) Forget(key);
}

void RecoveryKeeper::Forget(const void* key) {
  const auto it = kept_.find(key);
  if (it == kept_.end()) return;
  store_.Remove(session_, it->number);
  kept_.erase(it);
}

void RecoveryKeeper::Finish() {
  timer_.stop();
  for (const void* key : kept_.keys()) Forget(key);
  if (lock_) lock_->unlock();
  lock_.reset();
}

QString RecoveryKeeper::FileOf(const void* key) const {
  const auto it = kept_.find(key);
  return it == kept_.end() ? QString() : store_.PathOf(session_, it->number);
}

}  // namespace radio
