// The Read (32773), Write (32774) and Com Setup (32777) commands of a
// channel view. Read and Write set the direction and show the Process
// dialog; its Start runs the clone run on the transfer runner's worker
// thread.
//
// Unlike a mode flag that any later command may flip, the dialog's caption
// always names the direction Start will perform, the direction is fixed
// when Start is pressed, and Read and Write are refused (CanRead/CanWrite
// false) while a run is going, so a user who asked to read never
// overwrites the radio.
#pragma once

#include <QObject>
#include <memory>

#include "link/clone_engine.h"
#include "link/link_factory.h"

namespace radio {

class CProgramView;
class CProcessDlg;
class TransferRunner;

class RadioCommands : public QObject {
  Q_OBJECT
 public:
  // Creates the view's Process dialog. Each run gets its serial port and
  // clock from `links`.
  RadioCommands(CProgramView& view, LinkFactory links);
  ~RadioCommands() override;

  void OnRead();
  void OnWrite();
  void OnComSetup();

  // Menu state: both false while a run is going.
  bool CanRead() const { return !IsRunning(); }
  bool CanWrite() const { return !IsRunning(); }
  bool IsRunning() const;

  CloneMode Mode() const { return mode_; }
  // Stops a run at its next cancel point, as Cancel in the Process dialog.
  void Stop();
  CProcessDlg& ProcessDialog() { return *dialog_; }
  // How the last run ended.
  const CloneResult& LastResult() const;

 signals:
  // A run started or ended: the frame disables the commands that edit the
  // image (and Read/Write) meanwhile. The grid takes no edits during a run.
  void runningChanged(bool running);

 private:
  void ShowFor(CloneMode mode);
  void OnStartRequested();
  void OnRunFinished();
  void ShowSlowCableHint(const CloneResult& result);

  CProgramView& view_;
  CProcessDlg* dialog_ = nullptr;
  std::unique_ptr<TransferRunner> runner_;
  CloneMode mode_ = CloneMode::Read;
  RadioImage imageBefore_{};  // the document's image when the run started
};

}  // namespace radio
