// Where the desktop program gets the serial link and clock of one exchange
// with the radio: the real port, unless a test has put another link in its
// place (an in-process virtual radio, for instance).
#pragma once

#include <functional>
#include <memory>

#include "link/serial_link.h"

namespace radio {

struct LinkAndClock {
  std::shared_ptr<SerialLink> link;
  std::shared_ptr<Clock> clock;
};

using LinkFactory = std::function<LinkAndClock()>;

// A fresh link and clock for one exchange. Call it on the thread that will
// use them: the real port belongs to the thread that made it.
LinkAndClock MakeLinkAndClock();

// Replaces the real port for every later exchange; an empty factory brings
// the real port back.
void SetLinkFactory(LinkFactory factory);

}  // namespace radio
