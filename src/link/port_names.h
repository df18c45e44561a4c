// Names of the serial ports COM1 ... COM16. "COMn" is what users see; on
// Windows the port is opened under its device name, elsewhere each COMn
// stands for a device file (see PortDeviceOf in port_settings.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace radio {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 16;

// "COM%d": the name shown to the user.
std::string PortDisplayName(int port);

// The current port name of port n: "COM%d" up to 9, "\\.\COM%d" from 10.
std::string CurrentPortName(int port);

// The name the Port Setting dialog probes: plain "COM%d" up to 10,
// "\\.\COM%d" from 11 (port 10 is probed under its plain name).
std::string ProbePortName(int port);

// The port number of a current port name, read as "%*[^M]M%d" reads it:
// skip everything up to the first 'M' (at least one character), then a
// decimal number with an optional sign.
std::optional<int> PortNumberOfName(std::string_view name);

// The port number of the stored choice "com": 1 when missing, otherwise
// its lowest byte.
int PortNumberOfStoredChoice(std::optional<std::uint32_t> stored);

// The device a COMn stands for on Linux and macOS when the user has not
// chosen one: COM1-8 -> /dev/ttyUSB0-7, COM9-12 -> /dev/ttyACM0-3,
// COM13-16 -> /dev/ttyS0-3. Empty outside 1-16.
std::string DefaultPortDevice(int port);

// Whether a port argument is a COM name: "COM" or "\\.\COM" followed by
// digits only ("COM3", "\\.\COM12", also "COM17", which is no port).
bool IsComPortName(std::string_view name);

// `text` with a-z as A-Z: COM names are matched in any case.
std::string UpperAscii(std::string_view text);

// Whether a port argument is a device path rather than a COM name: anything
// else that is not empty ("/dev/ttyUSB0", "./ttyUSB0", "sim.tty").
bool IsDevicePath(std::string_view name);

}  // namespace radio
