#include "link/link_factory.h"

#include "link/serial_port_link.h"
#include "link/system_clock.h"

namespace radio {

LinkFactory SerialPortFactory() {
  return [] {
    return LinkAndClock{std::make_shared<SerialPortLink>(), std::make_shared<SystemClock>()};
  };
}

}  // namespace radio
