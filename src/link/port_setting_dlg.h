// CPortSettingDlg: the Port Setting dialog. Sixteen radio buttons COM1 ...
// COM16 (ids 1007-1022), each enabled only when its port can be opened now
// and showing its device as a tooltip; OK makes the selected port the
// current one and stores it.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QButtonGroup;
class QRadioButton;

namespace radio {

class CPortSettingDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kFirstButtonId = 1007;  // COM1; port n = id - 1006

  // Whether a port name can be opened exclusively right now.
  using Probe = std::function<bool(const std::string& portName)>;

  explicit CPortSettingDlg(QWidget* parent, Probe probe = {});

  // Runs the dialog modally; QDialog::Accepted after OK.
  int Run();

  QRadioButton* PortButton(int port) const;
  // The selected port, 0 when none is.
  int SelectedPort() const;

 public slots:
  // OK: the selected port becomes current and is stored; none selected
  // changes nothing.
  void accept() override;

 private:
  void ProbePorts();

  Probe probe_;
  QButtonGroup* group_ = nullptr;
};

}  // namespace radio
