// CSquelchTuningDlg: the four squelch tuning values of the active document,
// with Read and Write buttons that exchange them with the radio directly.
// A transaction runs on the transfer runner's worker thread while the
// dialog waits with its controls disabled: the window stays painted and
// answers nothing else until the transaction's own messages have been
// answered.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>
#include <string>

#include "image/language.h"
#include "link/link_factory.h"
#include "link/squelch_fields.h"
#include "link/transfer_runner.h"

class QComboBox;
class QPushButton;

namespace radio {

class CProgramDoc;

class CSquelchTuningDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kReadId = 1140;
  static constexpr int kWriteId = 1141;

  // Read and Write get their link from `links`.
  CSquelchTuningDlg(QWidget* parent, LinkFactory links);

  // Loads the fields from the document's image and runs modally. OK stores
  // them; a squelch read or write has changed the image already, and
  // Cancel does not undo that.
  int Run(CProgramDoc& doc);

  QComboBox* List(std::size_t field) const { return lists_[field]; }
  QPushButton* ReadButton() const { return read_; }
  QPushButton* WriteButton() const { return write_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  bool Busy() const { return busy_; }

 public slots:
  void OnRead();
  void OnWrite();

 protected:
  void accept() override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LoadFields();
  SquelchSelections Selections() const;
  // Runs `transaction` on a copy of the document's image and takes the
  // copy back; marks the document modified when bytes changed.
  CloneOutcome RunTransaction(RadioTransaction transaction);
  void SetBusy(bool busy);

  CProgramDoc* doc_ = nullptr;
  TransferRunner runner_;
  std::array<QComboBox*, kSquelchByteCount> lists_{};
  QPushButton* write_ = nullptr;
  QPushButton* read_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool busy_ = false;
  QPointer<QWidget> focusBefore_;
};

}  // namespace radio
