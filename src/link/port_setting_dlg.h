// CPortSettingDlg: the Port Setting dialog. Sixteen radio buttons COM1 ...
// COM16 (ids 1007-1022), each enabled only when its port can be opened now
// and showing its device as a tooltip; OK makes the selected port the
// current one and stores it. It also shows which ports are present now,
// following a cable plugged in or pulled out while it is open, and its
// "Find Radio" button looks for the radio on the free present ports.
#pragma once

#include <QDialog>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "link/link_factory.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace radio {

class CPortSettingDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kFirstButtonId = 1007;  // COM1; port n = id - 1006
  // How often the system's port list is looked at while the dialog is open.
  static constexpr int kPresencePollMs = 500;

  // Whether a port name can be opened exclusively right now.
  using Probe = std::function<bool(const std::string& portName)>;
  // Whether the device of port n is on the machine now.
  using Presence = std::function<bool(int port)>;

  explicit CPortSettingDlg(QWidget* parent, Probe probe = {}, Presence presence = {},
                           LinkFactory links = {});
  ~CPortSettingDlg() override;

  // Runs the dialog modally; QDialog::Accepted after OK.
  int Run();

  QRadioButton* PortButton(int port) const;
  // The selected port, 0 when none is.
  int SelectedPort() const;
  QPushButton* FindButton() const { return findButton_; }
  // "Present now: COM1, COM13", or that none is.
  QLabel* PresenceLabel() const { return presenceLabel_; }
  // What the last search found, or that it is running.
  QLabel* FindLabel() const { return findLabel_; }

 public slots:
  // OK: the selected port becomes current and is stored; none selected
  // changes nothing.
  void accept() override;
  void reject() override;

 private:
  void ProbePorts();
  void ProbePort(int port);
  // Looks at the system's port list; re-probes the ports that came or went.
  void PollPresence();
  void ShowPresence();
  // Find Radio: lists the ports, asks, then searches on a worker thread.
  void FindRadio();

  Probe probe_;
  Presence presence_;
  LinkFactory links_;
  QButtonGroup* group_ = nullptr;
  QLabel* presenceLabel_ = nullptr;
  QLabel* findLabel_ = nullptr;
  QPushButton* findButton_ = nullptr;
  QTimer* poll_ = nullptr;
  std::array<bool, 17> present_{};  // by port number
  std::shared_ptr<std::atomic<bool>> stopSearch_;
  bool searching_ = false;
};

}  // namespace radio
