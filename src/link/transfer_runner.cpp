#include "link/transfer_runner.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QThread>
#include <chrono>
#include <future>

#include "base/message_box.h"
#include "link/link_messages.h"
#include "link/process_dlg.h"

namespace radio {

RadioTransaction CloneTransaction(CloneMode mode, const std::string& portName, Language lang) {
  return [mode, portName, lang](SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image) {
    return RunClone(link, clock, ui, mode, image, portName, lang);
  };
}

// The CloneUi of the worker thread: hands everything visible to the GUI
// thread through queued calls on the runner.
class TransferRunner::WorkerUi : public CloneUi {
 public:
  WorkerUi(TransferRunner& runner, Language lang)
      : runner_(&runner),
        owner_(runner.owner_),
        process_(runner.process_),
        cancel_(runner.cancel_),
        abandoned_(runner.abandoned_),
        lang_(lang) {}

  bool Pump() override { return cancel_->load() || abandoned_->load(); }

  void SetStatus(const std::string& text) override {
    Post([process = process_, t = QString::fromStdString(text)] {
      if (process) process->SetStatusText(t);
    });
  }

  void Step(int position) override {
    Post([process = process_, position] {
      if (process) process->SetPosition(position);
    });
  }

  bool AskRetry() override {
    return Ask([owner = owner_, lang = lang_] {
      return radio::ShowMessage(
                 owner, QString::fromUtf8(MessageText(MessageKind::CommunicationError, lang)),
                 QMessageBox::Warning,
                 QMessageBox::Retry | QMessageBox::Cancel) == QMessageBox::Retry;
    });
  }

  void ShowMessage(MessageKind kind) override {
    // Only a squelch read or write reports success; every other message is
    // a warning.
    const bool success =
        kind == MessageKind::ReadSuccessfully || kind == MessageKind::WriteSuccessfully;
    Ask([owner = owner_, kind, success, lang = lang_] {
      radio::ShowMessage(owner, QString::fromUtf8(MessageText(kind, lang)),
                         success ? QMessageBox::Information : QMessageBox::Warning);
      return true;
    });
  }

  void ShowPortOpenFailure(const std::string& reason) override {
    Ask([owner = owner_, t = QString::fromStdString(PortOpenFailedText(reason, lang_))] {
      radio::ShowMessage(owner, t, QMessageBox::Warning);
      return true;
    });
  }

 private:
  template <typename F>
  void Post(F f) {
    QMetaObject::invokeMethod(runner_, std::move(f), Qt::QueuedConnection);
  }

  // Runs `f` on the GUI thread and waits for its answer. Gives up (with
  // "Cancel") when the runner is destroyed meanwhile, so it never deadlocks.
  template <typename F>
  bool Ask(F f) {
    if (abandoned_->load()) return false;
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> result = answer->get_future();
    Post([f = std::move(f), answer] { answer->set_value(f()); });
    while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
      if (abandoned_->load()) return false;
    return result.get();
  }

  TransferRunner* runner_;
  QPointer<QWidget> owner_;
  QPointer<CProcessDlg> process_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::shared_ptr<std::atomic<bool>> abandoned_;
  Language lang_;
};

TransferRunner::TransferRunner(LinkFactory links, QWidget& owner, CProcessDlg* process,
                               QObject* parent)
    : QObject(parent),
      links_(std::move(links)),
      owner_(&owner),
      process_(process),
      cancel_(std::make_shared<std::atomic<bool>>(false)),
      abandoned_(std::make_shared<std::atomic<bool>>(false)) {
  if (process)
    connect(process, &CProcessDlg::cancelRequested, this, [this] { cancel_->store(true); });
}

TransferRunner::~TransferRunner() {
  if (thread_) {
    abandoned_->store(true);
    thread_->wait();
    delete thread_;
  }
}

bool TransferRunner::Start(RadioTransaction transaction, const RadioImage& image, Language lang) {
  if (thread_) return false;
  // Cancel may have come before the request.
  cancel_->store(process_ && process_->CancelFlag());
  image_ = image;
  result_ = {};
  thread_ = QThread::create([this, transaction = std::move(transaction), lang] {
    WorkerUi ui(*this, lang);
    // The link is made, used and dropped on this thread: a serial port
    // belongs to the thread that opened it.
    const LinkAndClock io = links_();
    // The worker owns image_ and result_ until the thread has finished.
    result_ = transaction(*io.link, *io.clock, ui, image_);
  });
  connect(thread_, &QThread::finished, this, &TransferRunner::OnThreadDone, Qt::QueuedConnection);
  thread_->start();
  return true;
}

CloneOutcome TransferRunner::Run(RadioTransaction transaction, const RadioImage& image,
                                 Language lang) {
  QEventLoop loop;
  connect(this, &TransferRunner::finished, &loop, &QEventLoop::quit);
  if (!Start(std::move(transaction), image, lang)) return CloneOutcome::PortError;
  loop.exec();
  return result_.outcome;
}

void TransferRunner::OnThreadDone() {
  if (!thread_) return;
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  if (process_) process_->CloseDialog();  // every ending closes the Process dialog
  emit finished();
}

}  // namespace radio
