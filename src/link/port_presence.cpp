#include "link/port_presence.h"

#include <QFileInfo>

#include "link/port_names.h"
#include "link/port_settings.h"
#include "link/qt_serial_link.h"

#ifdef _WIN32
#include <QSerialPortInfo>
#endif

namespace radio {

bool PortPresent(int port) {
#ifdef _WIN32
  const QString name = QString::fromStdString(PortDisplayName(port));
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    if (info.portName().compare(name, Qt::CaseInsensitive) == 0) return true;
  return false;
#else
  // exists() follows a symbolic link: a by-id name whose cable is gone is absent.
  return QFileInfo::exists(PortDevice(port));
#endif
}

RadioSearchPlan PlanRadioSearch(Language lang) {
  RadioSearchPlan plan;
  std::vector<FindPort> free;
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    if (!PortPresent(n)) continue;
    const FindPort port{PortDisplayName(n), PortDevice(n).toStdString()};
    if (const auto failure = ProbePort(port.name))
      plan.skipped.emplace_back(port, PortOpenFailureReason(*failure, lang));
    else
      free.push_back(port);
  }
  plan.toTry = UsbSerialFirst(std::move(free));
  return plan;
}

}  // namespace radio
