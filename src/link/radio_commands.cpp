#include "link/radio_commands.h"

#include "channels/program_view.h"
#include "link/clone_runner.h"
#include "link/port_setting_dlg.h"
#include "link/process_dlg.h"
#include "link/qt_serial_link.h"
#include "safety/read_backup.h"
#include "shell/app_context.h"

namespace radio {

RadioCommands::RadioCommands(CProgramView& view, SerialLink* link, Clock* clock)
    : QObject(&view), view_(view), link_(link), clock_(clock) {
  if (!link_) {
    ownLink_ = std::make_unique<QtSerialLink>();
    link_ = ownLink_.get();
  }
  if (!clock_) {
    ownClock_ = std::make_unique<SystemClock>();
    clock_ = ownClock_.get();
  }
  dialog_ = new CProcessDlg(&view_);
  runner_ = std::make_unique<CloneRunner>(*dialog_);
  connect(dialog_, &CProcessDlg::startRequested, this, &RadioCommands::OnStartRequested);
  connect(runner_.get(), &CloneRunner::finished, this, &RadioCommands::OnRunFinished);
}

// The runner goes first: it waits for a run still going to give up.
RadioCommands::~RadioCommands() { runner_.reset(); }

bool RadioCommands::IsRunning() const { return runner_->IsRunning(); }

const CloneResult& RadioCommands::LastResult() const { return runner_->Result(); }

void RadioCommands::ShowFor(CloneMode mode) {
  // Once Start is pressed the direction is fixed, until the dialog closes.
  if (IsRunning() || (dialog_->isVisible() && dialog_->Started())) return;
  mode_ = mode;
  dialog_->SetTitleText(mode == CloneMode::Read ? App().Tr("Read Data", "读数据")
                                                : App().Tr("Write Data", "写数据"));
  dialog_->ShowDialog();
}

void RadioCommands::OnRead() { ShowFor(CloneMode::Read); }

void RadioCommands::OnWrite() {
  if (!CanWrite()) return;
  view_.CommitCellEdit();
  ShowFor(CloneMode::Write);
}

void RadioCommands::OnComSetup() {
  CPortSettingDlg dlg(&view_);
  dlg.Run();
}

void RadioCommands::OnStartRequested() {
  if (IsRunning()) return;
  // Clone-run start: the grid is the working copy, commit it (both modes).
  view_.CommitToImage();
  view_.setEnabled(false);  // the run hands its image back at the end
  runner_->Start(*link_, *clock_, mode_, view_.Document().Image(), App().currentPort.toStdString(),
                 App().language);
  emit runningChanged(true);
}

void RadioCommands::OnRunFinished() {
  // The run's copy holds everything it got (a partial read included); the
  // grid shows it only after a complete read. A document whose bytes came
  // from the radio differs from its file: it counts as modified, so closing
  // the program asks before the read is lost.
  CProgramDoc& doc = view_.Document();
  const bool changed = doc.Image() != runner_->Image();
  doc.Image() = runner_->Image();
  if (runner_->MustRebuildGrid()) view_.FillFromImage();
  if (changed) doc.ImageChanged(true);
  view_.setEnabled(true);
  emit runningChanged(false);
  // A complete read is also kept untouched in the backup folder.
  if (runner_->MustRebuildGrid()) KeepReadBackup(runner_->Image(), &view_);
}

}  // namespace radio
