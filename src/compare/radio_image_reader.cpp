#include "compare/radio_image_reader.h"

#include "base/app_context.h"
#include "link/process_dlg.h"
#include "link/transfer_runner.h"

namespace radio {

RadioImageReader::RadioImageReader(QWidget* owner, LinkFactory links) : QObject(owner) {
  dialog_ = new CProcessDlg(owner);
  runner_ = std::make_unique<TransferRunner>(std::move(links), *dialog_, dialog_);
  connect(dialog_, &CProcessDlg::startRequested, this, &RadioImageReader::OnStartRequested);
  connect(runner_.get(), &TransferRunner::finished, this, &RadioImageReader::OnRunFinished);
}

// The runner goes first: it waits for a run still going to give up.
RadioImageReader::~RadioImageReader() {
  runner_.reset();
}

bool RadioImageReader::IsRunning() const {
  return runner_->IsRunning();
}

void RadioImageReader::Read(const RadioImage& start) {
  if (IsRunning()) return;
  start_ = start;
  dialog_->SetTitleText(App().Tr("Read Data", "读数据"));
  dialog_->ShowDialog();
}

void RadioImageReader::OnStartRequested() {
  if (IsRunning()) return;
  if (!runner_->Start(
          CloneTransaction(CloneMode::Read, App().currentPort.toStdString(), App().language),
          start_, App().language))
    return;
  emit runningChanged(true);
}

void RadioImageReader::OnRunFinished() {
  emit runningChanged(false);
  emit finished(runner_->MustRebuildGrid(), runner_->Image());
}

}  // namespace radio
