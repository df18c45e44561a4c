// Runs one radio transaction for the desktop program on a worker thread: a
// clone read or write, a squelch read or write, the read of a comparison.
// The transaction works on the runner's own copy of the image, over a link
// and clock made for it on the worker thread. Status and progress go to the
// Process dialog when there is one, and its Cancel reaches the transaction
// at its pump points; message boxes and the Retry/Cancel question are shown
// on the GUI thread (the transaction waits for the answer). When the
// transaction ends, finished() is emitted on the GUI thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "image/language.h"
#include "image/radio_image.h"
#include "link/clone_engine.h"
#include "link/link_factory.h"

class QThread;
class QWidget;

namespace radio {

class CProcessDlg;

// One exchange with the radio over `link`, on `image`. A transaction that
// is not a clone run reports only its outcome.
using RadioTransaction =
    std::function<CloneResult(SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image)>;

// A clone run in `mode` through the port named `portName`.
RadioTransaction CloneTransaction(CloneMode mode, const std::string& portName, Language lang);

class TransferRunner : public QObject {
  Q_OBJECT
 public:
  // Each transaction gets its link and clock from `links`. Message boxes
  // are parented to `owner`. With `process`, status, progress and the
  // cancel flag come from that Process dialog, and every ending closes it.
  TransferRunner(LinkFactory links, QWidget& owner, CProcessDlg* process = nullptr,
                 QObject* parent = nullptr);
  ~TransferRunner() override;

  // Starts `transaction` on a copy of `image`. False when one is already
  // going.
  bool Start(RadioTransaction transaction, const RadioImage& image, Language lang);
  // Starts `transaction` and returns once it has ended, the event loop
  // running meanwhile: for a modal dialog that waits with its controls
  // disabled. The outcome, or PortError when one was already going.
  CloneOutcome Run(RadioTransaction transaction, const RadioImage& image, Language lang);

  bool IsRunning() const { return thread_ != nullptr; }

  // After finished(): how the transaction ended and the image it leaves:
  // the whole radio after a read, the chunks read so far after an abort or
  // cancel, and in every clone mode the option bit the info phase refreshed.
  const CloneResult& Result() const { return result_; }
  const RadioImage& Image() const { return image_; }
  // Only a complete clone read rebuilds the channel grid.
  bool MustRebuildGrid() const {
    return result_.mode == CloneMode::Read && result_.outcome == CloneOutcome::Ok;
  }

 signals:
  void finished();

 private:
  class WorkerUi;
  void OnThreadDone();

  LinkFactory links_;
  QPointer<QWidget> owner_;
  QPointer<CProcessDlg> process_;
  QThread* thread_ = nullptr;
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::shared_ptr<std::atomic<bool>> abandoned_;  // the runner is going away
  CloneResult result_;
  RadioImage image_{};
};

}  // namespace radio
