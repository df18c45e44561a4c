#include "compare/radio_image_reader.h"

#include "base/app_context.h"
#include "link/clone_runner.h"
#include "link/process_dlg.h"
#include "link/qt_serial_link.h"

namespace radio {

RadioImageReader::RadioImageReader(QWidget* owner, SerialLink* link, Clock* clock)
    : QObject(owner), link_(link), clock_(clock) {
  if (!link_) {
    ownLink_ = std::make_unique<QtSerialLink>();
    link_ = ownLink_.get();
  }
  if (!clock_) {
    ownClock_ = std::make_unique<SystemClock>();
    clock_ = ownClock_.get();
  }
  dialog_ = new CProcessDlg(owner);
  runner_ = std::make_unique<CloneRunner>(*dialog_);
  connect(dialog_, &CProcessDlg::startRequested, this, &RadioImageReader::OnStartRequested);
  connect(runner_.get(), &CloneRunner::finished, this, &RadioImageReader::OnRunFinished);
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
  if (!runner_->Start(*link_, *clock_, CloneMode::Read, start_, App().currentPort.toStdString(),
                      App().language))
    return;
  emit runningChanged(true);
}

void RadioImageReader::OnRunFinished() {
  emit runningChanged(false);
  emit finished(runner_->MustRebuildGrid(), runner_->Image());
}

}  // namespace radio
