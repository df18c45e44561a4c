#include "link/port_setting_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/app_context.h"
#include "base/message_box.h"
#include "link/port_names.h"
#include "link/port_presence.h"
#include "link/port_settings.h"
#include "link/serial_port_link.h"
#include "link/radio_finder.h"
#include "link/transfer_runner.h"

namespace radio {
namespace {

QString PortText(const FindPort& port) {
  return QString::fromStdString(port.name + " (" + port.device + ")");
}

QString NamesOf(const std::vector<FindPort>& ports) {
  QStringList names;
  for (const FindPort& p : ports) names << QString::fromStdString(p.name);
  return names.join(", ");
}

}  // namespace

CPortSettingDlg::CPortSettingDlg(QWidget* parent, Probe probe, Presence presence, LinkFactory links)
    : QDialog(parent),
      probe_(probe ? std::move(probe) : Probe(CanOpenPort)),
      presence_(presence ? std::move(presence) : Presence(PortPresent)),
      links_(links ? std::move(links) : SerialPortFactory()),
      stopSearch_(std::make_shared<std::atomic<bool>>(false)) {
  setWindowTitle(tr("Port Setting"));
  auto* box = new QGroupBox(tr("Port"), this);
  auto* grid = new QGridLayout(box);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    auto* button = new QRadioButton(QString::fromStdString(PortDisplayName(n)), box);
    const int id = kFirstButtonId + n - 1;
    button->setObjectName(QString::number(id));
    group_->addButton(button, id);
    grid->addWidget(button, (n - 1) / 4, (n - 1) % 4);
  }
  presenceLabel_ = new QLabel(this);
  findLabel_ = new QLabel(this);
  findLabel_->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  findButton_ =
      buttons->addButton(App().Tr("Find Radio", "查找对讲机"), QDialogButtonBox::ActionRole);
  connect(findButton_, &QPushButton::clicked, this, &CPortSettingDlg::FindRadio);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(presenceLabel_);
  layout->addWidget(findLabel_);
  layout->addWidget(buttons);
  for (int n = kFirstPort; n <= kLastPort; ++n) present_[n] = presence_(n);
  ProbePorts();
  ShowPresence();
  // Polling only looks at the port list; a port is opened again only when
  // it came or went.
  poll_ = new QTimer(this);
  connect(poll_, &QTimer::timeout, this, &CPortSettingDlg::PollPresence);
  poll_->start(kPresencePollMs);
}

CPortSettingDlg::~CPortSettingDlg() {
  stopSearch_->store(true);
}

void CPortSettingDlg::ProbePorts() {
  for (int n = kFirstPort; n <= kLastPort; ++n) ProbePort(n);
  // The current port is preselected only when it can be opened now.
  const std::string current = App().currentPort.toStdString();
  if (!probe_(current)) return;
  const auto n = PortNumberOfName(current);
  if (n && *n >= kFirstPort && *n <= kLastPort) PortButton(*n)->setChecked(true);
}

void CPortSettingDlg::ProbePort(int port) {
  QRadioButton* button = PortButton(port);
  button->setEnabled(probe_(ProbePortName(port)));
  button->setToolTip(PortDevice(port));
}

void CPortSettingDlg::PollPresence() {
  if (searching_) return;  // the search has a port open; look again afterwards
  bool changed = false;
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const bool now = presence_(n);
    if (now == present_[n]) continue;
    present_[n] = now;
    changed = true;
    ProbePort(n);
    // A pulled cable takes its port's choice with it.
    if (!PortButton(n)->isEnabled() && PortButton(n)->isChecked()) {
      group_->setExclusive(false);
      PortButton(n)->setChecked(false);
      group_->setExclusive(true);
    }
  }
  if (changed) ShowPresence();
}

void CPortSettingDlg::ShowPresence() {
  QStringList names;
  for (int n = kFirstPort; n <= kLastPort; ++n)
    if (present_[n]) names << QString::fromStdString(PortDisplayName(n));
  presenceLabel_->setText(
      names.isEmpty() ? App().Tr("No serial port is present now.", "当前没有串口。")
                      : App().Tr("Present now: %1", "当前存在的端口：%1").arg(names.join(", ")));
}

void CPortSettingDlg::FindRadio() {
  if (searching_) return;
  std::vector<FindPort> free;
  QStringList skipped;
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    if (!present_[n]) continue;
    if (PortButton(n)->isEnabled())
      free.push_back({PortDisplayName(n), PortDevice(n).toStdString()});
    else
      skipped << QString::fromStdString(PortDisplayName(n));
  }
  const std::vector<FindPort> toTry = UsbSerialFirst(std::move(free));
  if (toTry.empty()) {
    findLabel_->setText(App().Tr("No free serial port is present.", "没有可用的串口。"));
    return;
  }
  QString text = App().Tr(
      "Find Radio tries these ports one after another; opening a port can "
      "reset some other devices:",
      "查找对讲机将依次尝试以下端口；打开端口可能会使其他设备复位：");
  for (const FindPort& p : toTry) text += "\n  " + PortText(p);
  if (!skipped.isEmpty())
    text +=
        "\n" + App()
                   .Tr("Skipped, in use or cannot be opened: %1", "跳过（正在使用或无法打开）：%1")
                   .arg(skipped.join(", "));
  if (ShowMessage(this, text, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel) !=
      QMessageBox::Ok)
    return;

  searching_ = true;
  stopSearch_->store(false);
  findButton_->setEnabled(false);
  findLabel_->setText(
      App().Tr("Looking for the radio on %1…", "正在以下端口查找对讲机：%1…").arg(NamesOf(toTry)));
  auto report = std::make_shared<FindReport>();
  const Language lang = App().language;
  TransferRunner runner(links_, *this);
  runner.Run(
      [toTry, report, lang, stop = stopSearch_](SerialLink& link, Clock& clock, CloneUi& ui,
                                                RadioImage&) {
        // Cancel reaches the search through the dialog and the runner.
        const auto cancelled = [&ui, &stop] { return stop->load() || ui.Pump(); };
        *report = radio::FindRadio(link, clock, cancelled, toTry, lang);
        CloneResult result;
        result.outcome = CloneOutcome::Ok;
        return result;
      },
      RadioImage{}, lang);
  searching_ = false;
  findButton_->setEnabled(true);
  if (report->outcome == FindOutcome::Found) {
    // Selected only: nothing is stored until OK.
    const auto n = PortNumberOfName(report->found.name);
    if (n) PortButton(*n)->setChecked(true);
    findLabel_->setText(
        App().Tr("Radio found on %1.", "在 %1 上找到对讲机。").arg(PortText(report->found)));
  } else if (report->outcome == FindOutcome::NotFound) {
    findLabel_->setText(
        App().Tr("No radio answered on %1.", "%1 上没有对讲机响应。").arg(NamesOf(report->tried)));
  } else {
    findLabel_->clear();
  }
}

QRadioButton* CPortSettingDlg::PortButton(int port) const {
  return static_cast<QRadioButton*>(group_->button(kFirstButtonId + port - 1));
}

int CPortSettingDlg::SelectedPort() const {
  const int id = group_->checkedId();
  return id < 0 ? 0 : id - kFirstButtonId + 1;
}

int CPortSettingDlg::Run() {
  return exec();
}

void CPortSettingDlg::accept() {
  if (searching_) return;  // the search's port is not settled yet
  if (const int n = SelectedPort()) StorePortChoice(n);
  QDialog::accept();
}

void CPortSettingDlg::reject() {
  stopSearch_->store(true);  // a search under way ends at its next cancel point
  QDialog::reject();
}

}  // namespace radio
