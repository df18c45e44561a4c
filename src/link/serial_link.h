// Serial port access for one exchange with the radio. The protocol engines
// see only this interface, so tests drive them against an in-process
// virtual radio in virtual time.
//
// Semantics every implementation keeps:
// - Open: the existing device only, read and write, exclusive.
// - Configure: input queue 1024 bytes, output queue 512 bytes, 9600 baud,
//   8 data bits, no parity, 1 stop bit, binary; read interval timeout 30 ms,
//   read total timeout 90 ms + 100 ms per requested byte; write total
//   timeout 50 ms + 50 ms per byte.
// - Read of N bytes returns as soon as N bytes have arrived, or when 30 ms
//   pass after a received byte without another, or after 90 + 100 x N ms in
//   all; the last two report success with fewer bytes (possibly none).
// - Write returns only when its bytes have been handed to the device, so a
//   queue clear that follows a write discards received bytes only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "image/language.h"

namespace radio {

class SerialLink {
 public:
  virtual ~SerialLink() = default;

  virtual bool Open(const std::string& portName) = 0;
  // After a failed Open: the device and why it could not be opened, one
  // line for under the port message; empty when there is nothing to add.
  virtual std::string OpenFailureText(Language) const { return {}; }
  virtual void Configure() = 0;
  // Full clear (0x0F): abort pending transfers and empty both queues.
  virtual void FullClear() = 0;
  // Queue clear (0x0C): empty both queues.
  virtual void QueueClear() = 0;
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  // Reads up to buffer.size() bytes; `count` is what actually arrived.
  virtual bool Read(std::span<std::uint8_t> buffer, std::size_t& count) = 0;
  virtual void Close() = 0;
};

// The pauses of the protocol go through a clock so tests can run them in
// virtual time.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual void SleepMs(int ms) = 0;
  // Microseconds since some fixed start, for measuring how long the radio
  // takes to answer. A clock that does not tell time stays at 0, and then
  // every answer looks instant.
  virtual std::int64_t NowUs() const { return 0; }
};

}  // namespace radio
