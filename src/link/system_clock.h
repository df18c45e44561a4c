// The clock of a real exchange with the radio.
#pragma once

#include "link/serial_link.h"

namespace radio {

// Real pauses on the calling thread.
class SystemClock : public Clock {
 public:
  void SleepMs(int ms) override;
  std::int64_t NowUs() const override;
};

}  // namespace radio
