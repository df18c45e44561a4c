#include "link/port_setting_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "link/qt_serial_link.h"

namespace radio {

CPortSettingDlg::CPortSettingDlg(QWidget* parent, Probe probe)
    : QDialog(parent), probe_(probe ? std::move(probe) : Probe(CanOpenPort)) {
  setWindowTitle(tr("Port Setting"));
  auto* box = new QGroupBox(tr("Port"), this);
  auto* grid = new QGridLayout(box);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    auto* button = new QRadioButton(QString::fromStdString(PortDisplayName(n)), box);
    const int id = kFirstButtonId + n - 1;
    button->setObjectName(QString::number(id));
    button->setToolTip(PortDevice(n));
    group_->addButton(button, id);
    grid->addWidget(button, (n - 1) / 4, (n - 1) % 4);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(buttons);
  ProbePorts();
}

void CPortSettingDlg::ProbePorts() {
  for (int n = kFirstPort; n <= kLastPort; ++n)
    PortButton(n)->setEnabled(probe_(ProbePortName(n)));
  // The current port is preselected only when it can be opened now.
  const std::string current = App().currentPort.toStdString();
  if (!probe_(current)) return;
  const auto n = PortNumberOfName(current);
  if (n && *n >= kFirstPort && *n <= kLastPort) PortButton(*n)->setChecked(true);
}

QRadioButton* CPortSettingDlg::PortButton(int port) const {
  return static_cast<QRadioButton*>(group_->button(kFirstButtonId + port - 1));
}

int CPortSettingDlg::SelectedPort() const {
  const int id = group_->checkedId();
  return id < 0 ? 0 : id - kFirstButtonId + 1;
}

int CPortSettingDlg::Run() { return exec(); }

void CPortSettingDlg::accept() {
  if (const int n = SelectedPort()) StorePortChoice(n);
  QDialog::accept();
}

}  // namespace radio
