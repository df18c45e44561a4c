#include "link/port_presence.h"

#include <QFileInfo>

#include "link/port_names.h"
#include "link/port_settings.h"
#include "link/serial_port_link.h"

#ifdef _WIN32
#include "link/win32_port_list.h"
#endif

namespace radio {

bool PortPresent(int port) {
#ifdef _WIN32
  return PortListed(SystemSerialPortNames(), port);
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
