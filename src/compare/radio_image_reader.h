// Reads the radio into a scratch image for a comparison, with the same
// Process dialog and clone run as Program > Read, but never into a
// document: the run works on a copy and hands it back in finished().
#pragma once

#include <QObject>
#include <memory>

#include "image/radio_image.h"
#include "link/link_factory.h"

namespace radio {

class CProcessDlg;
class TransferRunner;

class RadioImageReader : public QObject {
  Q_OBJECT
 public:
  // The read gets its serial port and clock from `links`.
  RadioImageReader(QWidget* owner, LinkFactory links);
  ~RadioImageReader() override;

  // Shows the Process dialog; Start reads the radio over a copy of `start`
  // (the password and the bytes the radio does not send come from it).
  void Read(const RadioImage& start);
  bool IsRunning() const;
  CProcessDlg& ProcessDialog() { return *dialog_; }

 signals:
  void runningChanged(bool running);
  // Only a complete read gives an image; every other ending has shown its
  // message already.
  void finished(bool complete, const radio::RadioImage& image);

 private:
  void OnStartRequested();
  void OnRunFinished();

  CProcessDlg* dialog_ = nullptr;
  std::unique_ptr<TransferRunner> runner_;
  RadioImage start_{};
};

}  // namespace radio
