// Keeps a recovery file for every modified document of this run: written
// every two minutes (only when the document changed since the last
// write), removed when the document is saved, goes away or the program
// ends cleanly. The run holds its session lock meanwhile, so a later start
// can tell a crashed run's files from those of a run still going.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "safety/recovery_store.h"

class QLockFile;

namespace radio {

// One open document as the keeper sees it.
struct RecoverySnapshot {
  const void* key = nullptr;  // identifies the document for the whole run
  bool modified = false;
  QString pathName;
  QString title;
  bool hasFile = false;
  std::function<RadioImage()> image;  // asked only for a modified document
};

class RecoveryKeeper : public QObject {
  Q_OBJECT
 public:
  static constexpr std::chrono::milliseconds kInterval = std::chrono::minutes(2);
  using Source = std::function<QList<RecoverySnapshot>()>;

  // `source` lists the open documents whenever the keeper writes.
  RecoveryKeeper(QString folder, Source source,
                 std::chrono::milliseconds interval = kInterval, QObject* parent = nullptr);
  // Releases the session lock but leaves the files, as a crash would.
  ~RecoveryKeeper() override;

  // Takes the session lock and starts the timer.
  void Start();
  // Writes a file for each modified document that changed since its last
  // write and removes the files of documents no longer modified or gone.
  void Tick();
  // The document was saved or closed: its file goes now.
  void Forget(const void* key);
  // Clean exit: every file of this run goes, then the lock.
  void Finish();

  const QString& Session() const { return session_; }
  RecoveryStore& Store() { return store_; }
  // The file kept for `key`, empty when there is none.
  QString FileOf(const void* key) const;

 private:
  struct Kept {
    int number = 0;
    RecoveryRecord written;
  };

  RecoveryStore store_;
  Source source_;
  QString session_;
  QTimer timer_;
  std::unique_ptr<QLockFile> lock_;
  QHash<const void*, Kept> kept_;
  int nextNumber_ = 1;
  bool warned_ = false;
};

}  // namespace radio
