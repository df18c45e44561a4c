// The serial link on a real port (QSerialPort). Works without a running Qt
// event loop, so the command line and the worker thread of a clone run can
// use it; create, use and destroy it on one thread.
#pragma once

#include <memory>
#include <optional>

#include "link/port_latency.h"
#include "link/port_open_failure.h"
#include "link/serial_link.h"

class QSerialPort;

namespace radio {

class QtSerialLink : public SerialLink {
 public:
  // `latency` makes the low-latency calls of a transfer (see PortLatency).
  explicit QtSerialLink(std::shared_ptr<PortLatencyCalls> latency = SystemPortLatencyCalls());
  ~QtSerialLink() override;

  // `portName` is a COM name (COM3, \\.\COM12) or a device path; on Linux
  // and macOS a COM name is resolved through PortDeviceOf. A lock file of
  // a running program keeps the port closed; one of an ended program is
  // removed first.
  bool Open(const std::string& portName) override;
  std::string OpenFailureText(Language lang) const override;
  // Why the last Open failed; nothing after a successful one.
  const std::optional<PortOpenFailure>& OpenFailure() const { return openFailure_; }
  // Also lowers the port's latency for the transfer; Close puts it back.
  void Configure() override;
  void FullClear() override;
  // Discards received bytes only: every write has already reached the
  // device, and discarding output on Linux would throw it away.
  void QueueClear() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
  void Close() override;

 private:
  std::unique_ptr<QSerialPort> port_;
  std::string device_;  // the device file of the open port
  PortLatency latency_;
  std::optional<PortOpenFailure> openFailure_;
};

}  // namespace radio
