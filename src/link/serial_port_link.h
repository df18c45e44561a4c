// The serial link on a real port of this system: the Win32 serial API on
// Windows, QSerialPort elsewhere. Both open exclusively, keep the line
// settings and timeouts of SerialLink and say why an open failed.
#pragma once

#include <optional>
#include <string>

#include "link/port_open_failure.h"

#ifdef _WIN32
#include "link/win32_serial_link.h"
#else
#include "link/qt_serial_link.h"
#endif

namespace radio {

#ifdef _WIN32
using SerialPortLink = Win32SerialLink;
#else
using SerialPortLink = QtSerialLink;
#endif

// Why a port cannot be opened exclusively right now (tried by opening and
// closing it at once); nothing when it can.
std::optional<PortOpenFailure> ProbePort(const std::string& portName);
bool CanOpenPort(const std::string& portName);

}  // namespace radio
