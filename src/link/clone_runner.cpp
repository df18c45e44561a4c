#include "link/clone_runner.h"

#include <QMessageBox>
#include <QThread>
#include <chrono>
#include <future>

#include "base/message_box.h"
#include "link/link_messages.h"
#include "link/process_dlg.h"

namespace radio {

// The CloneUi of the worker thread: hands everything visible to the GUI
// thread through queued calls on the runner.
class CloneRunner::WorkerUi : public CloneUi {
 public:
  WorkerUi(CloneRunner& runner, Language lang)
      : runner_(&runner),
        dialog_(&runner.dialog_),
        cancel_(runner.cancel_),
        abandoned_(runner.abandoned_),
        lang_(lang) {}

  bool Pump() override { return cancel_->load() || abandoned_->load(); }

  void SetStatus(const std::string& text) override {
    Post([dialog = dialog_, t = QString::fromStdString(text)] {
      if (dialog) dialog->SetStatusText(t);
    });
  }

  void Step(int position) override {
    Post([dialog = dialog_, position] {
      if (dialog) dialog->SetPosition(position);
    });
  }

  bool AskRetry() override {
    return Ask([dialog = dialog_, lang = lang_] {
      return radio::ShowMessage(dialog, QString::fromUtf8(MessageText(MessageKind::CommunicationError, lang)),
                         QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel) ==
             QMessageBox::Retry;
    });
  }

  void ShowMessage(MessageKind kind) override {
    Ask([dialog = dialog_, kind, lang = lang_] {
      radio::ShowMessage(dialog, QString::fromUtf8(MessageText(kind, lang)), QMessageBox::Warning);
      return true;
    });
  }

  void ShowPortOpenFailure(const std::string& reason) override {
    Ask([dialog = dialog_, t = QString::fromStdString(PortOpenFailedText(reason, lang_))] {
      radio::ShowMessage(dialog, t, QMessageBox::Warning);
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

  CloneRunner* runner_;
  QPointer<CProcessDlg> dialog_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::shared_ptr<std::atomic<bool>> abandoned_;
  Language lang_;
};

CloneRunner::CloneRunner(CProcessDlg& dialog, QObject* parent)
    : QObject(parent),
      dialog_(dialog),
      cancel_(std::make_shared<std::atomic<bool>>(false)),
      abandoned_(std::make_shared<std::atomic<bool>>(false)) {
  connect(&dialog_, &CProcessDlg::cancelRequested, this, [this] { cancel_->store(true); });
}

CloneRunner::~CloneRunner() {
  if (thread_) {
    abandoned_->store(true);
    thread_->wait();
    delete thread_;
  }
}

bool CloneRunner::Start(SerialLink& link, Clock& clock, CloneMode mode, const RadioImage& image,
                        const std::string& portName, Language lang) {
  if (thread_) return false;
  cancel_->store(dialog_.CancelFlag());  // Cancel may have come before the request
  image_ = image;
  result_ = {};
  thread_ = QThread::create([this, &link, &clock, mode, portName, lang] {
    WorkerUi ui(*this, lang);
    // The worker owns image_ and result_ until the thread has finished.
    result_ = RunClone(link, clock, ui, mode, image_, portName, lang);
  });
  connect(thread_, &QThread::finished, this, &CloneRunner::OnThreadDone, Qt::QueuedConnection);
  thread_->start();
  return true;
}

void CloneRunner::OnThreadDone() {
  if (!thread_) return;
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  dialog_.CloseDialog();  // every ending closes the Process dialog
  emit finished();
}

}  // namespace radio
