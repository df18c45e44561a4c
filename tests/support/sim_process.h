// radioprog-sim as a test's radio on a pseudo-terminal, for the life of the
// object: started with the given arguments, its device path read from the
// first line it prints, stopped with SIGTERM (a kill after 15 s). The
// waits are generous: a loaded sanitizer build starts a program slowly,
// and a margin only costs time when something is already wrong.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace radio::test {

class SimProcess {
 public:
  explicit SimProcess(const QStringList& args = {}) {
    process_.start(QStringLiteral(RADIOPROG_PROGRAM_DIR "/radioprog-sim"), args);
    if (process_.waitForStarted(kStartMs) && process_.waitForReadyRead(kStartMs))
      device_ = QString::fromUtf8(process_.readLine()).trimmed();
  }
  ~SimProcess() { Stop(); }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Ends the radio; its memory file is complete afterwards.
  void Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(kStopMs)) process_.kill();
  }
  // Ends the radio at once, as a pulled cable does: its device goes away
  // with whatever the program was waiting for.
  void Kill() {
    process_.kill();
    process_.waitForFinished(5000);
  }
  // What the radio wrote to its standard error (--stats), once it has ended.
  QString ErrorOutput() { return QString::fromUtf8(process_.readAllStandardError()); }
  bool Running() const { return process_.state() == QProcess::Running; }
  int ExitCode() const { return process_.exitCode(); }
  // The pseudo-terminal the radio listens on; empty when it did not start.
  const QString& Device() const { return device_; }

 private:
  static constexpr int kStartMs = 30000;
  static constexpr int kStopMs = 15000;
  QProcess process_;
  QString device_;
};

}  // namespace radio::test
