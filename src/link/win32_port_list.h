// The serial ports Windows has right now (the cable plugged in), from its
// own list of serial ports, for showing which of COM1 … COM16 are there.
#pragma once

#include <string>
#include <vector>

namespace radio {

// The COM names in the system's serial-port list ("COM3", …); none when
// the list is absent.
std::vector<std::string> SystemSerialPortNames();

// Whether "COMn" is among `names`, in any case.
bool PortListed(const std::vector<std::string>& names, int port);

}  // namespace radio
