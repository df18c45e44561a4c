#include "shell/radio_commands.h"

#include <QMainWindow>
#include <QStatusBar>

#include "base/app_context.h"
#include "base/message_box.h"
#include "channels/flex_grid.h"
#include "channels/program_view.h"
#include "link/port_setting_dlg.h"
#include "link/process_dlg.h"
#include "link/stopped_write.h"
#include "link/transfer_runner.h"
#include "safety/read_backup.h"

namespace radio {

RadioCommands::RadioCommands(CProgramView& view, LinkFactory links) : QObject(&view), view_(view) {
  dialog_ = new CProcessDlg(&view_);
  runner_ = std::make_unique<TransferRunner>(std::move(links), *dialog_, dialog_);
  connect(dialog_, &CProcessDlg::startRequested, this, &RadioCommands::OnStartRequested);
  connect(runner_.get(), &TransferRunner::finished, this, &RadioCommands::OnRunFinished);
}

// The runner goes first: it waits for a run still going to give up.
RadioCommands::~RadioCommands() {
  runner_.reset();
}

bool RadioCommands::IsRunning() const {
  return runner_->IsRunning();
}

const CloneResult& RadioCommands::LastResult() const {
  return runner_->Result();
}

void RadioCommands::ShowFor(CloneMode mode) {
  // Once Start is pressed the direction is fixed, until the dialog closes.
  if (IsRunning() || (dialog_->isVisible() && dialog_->Started())) return;
  mode_ = mode;
  dialog_->SetTitleText(mode == CloneMode::Read ? App().Tr("Read Data", "读数据")
                                                : App().Tr("Write Data", "写数据"));
  dialog_->ShowDialog();
}

void RadioCommands::OnRead() {
  ShowFor(CloneMode::Read);
}

void RadioCommands::OnWrite() {
  if (!CanWrite()) return;
  view_.CommitCellEdit();
  ShowFor(CloneMode::Write);
}

void RadioCommands::OnComSetup() {
  CPortSettingDlg dlg(&view_);
  dlg.Run();
}

void RadioCommands::Stop() {
  if (IsRunning()) dialog_->OnCancel();
}

void RadioCommands::OnStartRequested() {
  if (IsRunning()) return;
  // Clone-run start: the grid is the working copy, commit it (both modes).
  // A value still in a cell editor is its own step; the run, with the
  // rest of the commit, is the next.
  view_.CommitCellEdit();
  imageBefore_ = view_.Document().Image();
  view_.CommitToImage();
  // The run hands its image back at the end: the grid takes no edits
  // meanwhile. The Process dialog stays live, so Cancel reaches the run.
  view_.Grid()->setEnabled(false);
  runner_->Start(CloneTransaction(mode_, App().currentPort.toStdString(), App().language),
                 view_.Document().Image(), App().language);
  emit runningChanged(true);
}

// A cable that held the radio's answers back is named in the status bar,
// where it stays until the next message.
void RadioCommands::ShowSlowCableHint(const CloneResult& result) {
  if (!result.transferStarted) return;
  const auto hint = SlowCableHint(result.delays, result.mode == CloneMode::Write, App().language);
  auto* frame = qobject_cast<QMainWindow*>(view_.window());
  if (hint && frame) frame->statusBar()->showMessage(QString::fromStdString(*hint));
}

void RadioCommands::OnRunFinished() {
  const CloneResult& result = runner_->Result();
  // Only a complete read replaces the document's channels and settings: a
  // read that stopped part-way would leave an image that is half this
  // radio and half the document, which a later Save or Write would keep,
  // so the document goes back to exactly what it was. A write hands back
  // the option bit its info phase took from the radio. A document whose
  // bytes came from the radio differs from its file: it counts as
  // modified, so closing the program asks before the read is lost.
  CProgramDoc& doc = view_.Document();
  if (result.mode == CloneMode::Write || runner_->MustRebuildGrid()) {
    doc.Image() = runner_->Image();
    const QString step = result.mode == CloneMode::Read
                             ? App().Tr("Read from radio", "从对讲机读取")
                             : App().Tr("Write to radio", "写入对讲机");
    view_.RecordRunResult(step, imageBefore_, runner_->MustRebuildGrid());
  } else {
    doc.Image() = imageBefore_;
  }
  view_.Grid()->setEnabled(true);
  if (LeftRadioPartlyWritten(result))
    ShowMessage(&view_, QString::fromStdString(WriteStoppedText(result, App().language)),
                QMessageBox::Warning);
  ShowSlowCableHint(result);
  emit runningChanged(false);
  // A complete read is also kept untouched in the backup folder.
  if (runner_->MustRebuildGrid()) KeepReadBackup(runner_->Image(), &view_);
}

}  // namespace radio
