// Runs one clone run on a worker thread for the desktop program. The run
// works on its own copy of the image; status and progress go to the Process
// dialog, message boxes and the Retry/Cancel question are shown on the GUI
// thread (the run waits for the answer), and Cancel reaches the run at its
// pump points. When the run ends, finished() is emitted on the GUI thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>
#include <string>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/clone_engine.h"

class QThread;

namespace radio {

class CProcessDlg;

class CloneRunner : public QObject {
  Q_OBJECT
 public:
  // Status, progress and the cancel flag come from `dialog`; message boxes
  // are parented to it.
  explicit CloneRunner(CProcessDlg& dialog, QObject* parent = nullptr);
  ~CloneRunner() override;

  // Starts a run in `mode` on a copy of `image`, opening `portName` through
  // `link`. The link and clock must outlive the run; they are used on the
  // worker thread only. False when a run is already going.
  bool Start(SerialLink& link, Clock& clock, CloneMode mode, const RadioImage& image,
             const std::string& portName, Language lang);

  bool IsRunning() const { return thread_ != nullptr; }

  // After finished(): how the run ended and the image it leaves: the whole
  // radio after a read, the chunks read so far after an abort or cancel,
  // and in every mode the option bit the info phase refreshed.
  const CloneResult& Result() const { return result_; }
  const RadioImage& Image() const { return image_; }
  // Only a complete read rebuilds the channel grid.
  bool MustRebuildGrid() const {
    return result_.mode == CloneMode::Read && result_.outcome == CloneOutcome::Ok;
  }

 signals:
  void finished();

 private:
  class WorkerUi;
  void OnThreadDone();

  CProcessDlg& dialog_;
  QThread* thread_ = nullptr;
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::shared_ptr<std::atomic<bool>> abandoned_;  // the runner is going away
  CloneResult result_;
  RadioImage image_{};
};

}  // namespace radio
