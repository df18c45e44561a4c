// The transfers with the radio that are running now: Read or Write of a
// channel view, the read of a comparison. While one runs the main frame
// disables what would change or replace a document, and closing the
// program, a document window or the session asks first: a run cut off
// leaves a write half done in the radio.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace radio {

class CProgramDoc;

class RadioTransfers : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // `source` began a transfer on `doc` (null: on no document); `writesRadio`
  // when it writes into the radio; `stop` makes it end at its next cancel
  // point, as Cancel in its Process dialog does.
  void Started(const QObject* source, const CProgramDoc* doc, bool writesRadio,
               std::function<void()> stop);
  void Ended(const QObject* source);
  bool Running() const { return !runs_.empty(); }

  // A close request for the program (doc null) or for the window of `doc`.
  // True when no transfer stands in its way: close now. Otherwise asks
  // "A transfer with the radio is running. Stop it and close?" and returns
  // false; on Yes the transfers are stopped and `closeAgain` runs once they
  // have ended, on No they go on.
  bool MayClose(QWidget* parent, const CProgramDoc* doc, std::function<void()> closeAgain);

  // The session is ending (log-out). Asks as MayClose does when `mayAsk`
  // grants it; false when the user keeps the transfer going (the log-out
  // should be cancelled). Otherwise stops the transfers and returns once
  // they have ended, the event loop running meanwhile.
  bool EndSession(QWidget* parent, const std::function<bool()>& mayAsk);

 signals:
  void runningChanged(bool running);

 private:
  struct Run {
    const QObject* source;
    const CProgramDoc* doc;
    bool writesRadio;
    std::function<void()> stop;
  };
  bool Concerns(const Run& run, const CProgramDoc* doc) const;
  bool AskToStop(QWidget* parent, const CProgramDoc* doc) const;
  void Stop(const CProgramDoc* doc);

  std::vector<Run> runs_;
  std::vector<std::function<void()>> afterEnd_;  // closes waiting for the runs to end
};

}  // namespace radio
