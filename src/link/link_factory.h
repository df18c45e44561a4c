// Where the desktop program gets the serial link and clock of one exchange
// with the radio. The program's start-up makes the real one (the serial
// port named in Port Setting); whoever opens ports is handed a factory, so
// a test can hand in an in-process virtual radio instead.
#pragma once

#include <functional>
#include <memory>

#include "link/serial_link.h"

namespace radio {

struct LinkAndClock {
  std::shared_ptr<SerialLink> link;
  std::shared_ptr<Clock> clock;
};

// Makes a fresh link and clock for one exchange. It is called on the thread
// that will use them: the real port belongs to the thread that opened it.
using LinkFactory = std::function<LinkAndClock()>;

// The real serial port and the system clock.
LinkFactory SerialPortFactory();

}  // namespace radio
