// A SerialLink and Clock pair that connects a protocol engine to a
// VirtualRadio in the same process, in virtual time: nothing really sleeps.
// Reads keep the port's timeout rules (complete at once, 30 ms after the last
// byte, or 90 + 100 x N ms in all), so a silent radio costs what it would on
// the wire. Every call is logged so tests can check clears and pauses.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "link/serial_link.h"
#include "sim/virtual_radio.h"

namespace radio {

struct SimulatedLinkOptions {
  // Time from the PC's last byte to the radio's first answer byte.
  std::int64_t answerLatencyUs = 1000;
  // Wire time of one byte in each direction (0: instant; 9600 baud 8N1 is
  // about 1042 us).
  std::int64_t byteTimeUs = 0;
  bool openFails = false;  // the port is busy
};

struct LinkEvent {
  enum class Kind { Open, Configure, FullClear, QueueClear, Write, Read, Sleep, Close };
  Kind kind;
  std::vector<std::uint8_t> bytes;  // written, or received by a read
  std::size_t requested = 0;        // read size
  int sleepMs = 0;
  std::int64_t timeUs = 0;  // virtual time when the call returned
};

class SimulatedLink : public SerialLink, public Clock {
 public:
  explicit SimulatedLink(VirtualRadio& radio, const SimulatedLinkOptions& options = {});

  bool Open(const std::string& portName) override;
  void Configure() override;
  void FullClear() override;
  void QueueClear() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
  void Close() override;
  void SleepMs(int ms) override;

  std::int64_t NowUs() const override { return nowUs_; }
  std::int64_t SleptUs() const { return sleptUs_; }  // in SleepMs only
  bool IsOpen() const { return open_; }
  const std::string& PortName() const { return portName_; }
  const std::vector<LinkEvent>& Events() const { return events_; }
  SimulatedLinkOptions& Options() { return options_; }

 private:
  struct Pending {
    std::uint8_t byte;
    std::int64_t arrivalUs;
  };
  void Log(LinkEvent::Kind kind, std::vector<std::uint8_t> bytes = {}, std::size_t requested = 0,
           int sleepMs = 0);
  void DiscardArrived();

  VirtualRadio& radio_;
  SimulatedLinkOptions options_;
  std::deque<Pending> pending_;
  std::vector<LinkEvent> events_;
  std::string portName_;
  std::int64_t nowUs_ = 0;
  std::int64_t pcLineFreeUs_ = 0;     // when the PC's last byte has left
  std::int64_t radioLineFreeUs_ = 0;  // when the radio's last byte has arrived
  std::int64_t sleptUs_ = 0;
  bool open_ = false;
};

}  // namespace radio
