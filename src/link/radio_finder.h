// Looking for the radio: which port is the cable on? Each port is tried with
// the connect step of the clone run only (wake-up, identify, acknowledge):
// no memory block is read and nothing is written, so a radio on a port that
// is tried is left as it was. A silent port costs a few wake-up attempts,
// about two seconds on a real port.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "image/language.h"
#include "link/clone_engine.h"
#include "link/serial_link.h"

namespace radio {

// Wake-up attempts on one port before it counts as silent.
constexpr int kFindWakeUpAttempts = 4;

struct FindPort {
  std::string name;    // COM3, or the device path given
  std::string device;  // what it is opened as here
};

// A USB-serial cable's device (ttyUSB, ttyACM, /dev/serial/by-id/usb-…,
// cu.usbserial…): where a programming cable almost always is.
bool IsUsbSerialDevice(std::string_view device);

// The same ports with the USB-serial ones first, otherwise in their order.
std::vector<FindPort> UsbSerialFirst(std::vector<FindPort> ports);

enum class FindOutcome { Found, NotFound, Cancelled };

struct FindReport {
  FindOutcome outcome = FindOutcome::NotFound;
  FindPort found;
  std::vector<FindPort> tried;  // in order, the found one last
  // Ports that could not be opened when their turn came, with why.
  std::vector<std::pair<FindPort, std::string>> unopenable;
};

// Tries `ports` in order and stops at the first radio that answers the
// connect step. `cancelled` is asked at the connect step's cancel points;
// no message or question is shown: a silent port is simply the next one's
// turn. `trying` is told each port before it is tried.
FindReport FindRadio(SerialLink& link, Clock& clock, const std::function<bool()>& cancelled,
                     const std::vector<FindPort>& ports, Language lang,
                     const std::function<void(const FindPort&)>& trying = {});

}  // namespace radio
