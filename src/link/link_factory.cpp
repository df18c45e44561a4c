#include "link/link_factory.h"

#include "link/qt_serial_link.h"

namespace radio {

LinkFactory SerialPortFactory() {
  return [] {
    return LinkAndClock{std::make_shared<QtSerialLink>(), std::make_shared<SystemClock>()};
  };
}

}  // namespace radio
