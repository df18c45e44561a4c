#include "link/serial_port_link.h"

namespace radio {

std::optional<PortOpenFailure> ProbePort(const std::string& portName) {
  SerialPortLink link;
  if (!link.Open(portName)) return link.OpenFailure();
  link.Close();
  return std::nullopt;
}

bool CanOpenPort(const std::string& portName) {
  return !ProbePort(portName);
}

}  // namespace radio
