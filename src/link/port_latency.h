// Low latency for a port opened for a transfer. USB-serial adapters hold
// the radio's bytes until their latency timer runs out (16 ms on many),
// and every chunk of the clone protocol waits for two answers, so a read
// can lose more time to the adapter than to the wire. On Linux the driver
// is asked for low-latency mode and, where the adapter has a writable
// latency timer, the timer is set to 1 ms; both are put back afterwards.
// Where neither is possible (a pseudo-terminal, no permission, another
// system) nothing changes and nothing fails.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace radio {

// The system calls behind it, so a test can see which were made.
class PortLatencyCalls {
 public:
  virtual ~PortLatencyCalls() = default;
  // The driver's serial flags of the open port (TIOCGSERIAL); nothing where
  // the driver has none.
  virtual std::optional<int> SerialFlags(int fd) = 0;
  virtual bool SetSerialFlags(int fd, int flags) = 0;  // TIOCSSERIAL
  // The adapter's latency timer file of a device path (symbolic links
  // followed); empty when the system has no such place for it.
  virtual std::string LatencyTimerPath(const std::string& device) = 0;
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  virtual bool WriteFile(const std::string& path, const std::string& text) = 0;
};

// The running system's calls; outside Linux every call fails.
std::shared_ptr<PortLatencyCalls> SystemPortLatencyCalls();

// The driver's low-latency flag (ASYNC_LOW_LATENCY).
constexpr int kLowLatencyFlag = 1 << 13;

class PortLatency {
 public:
  explicit PortLatency(std::shared_ptr<PortLatencyCalls> calls);
  PortLatency(const PortLatency&) = delete;
  PortLatency& operator=(const PortLatency&) = delete;

  // Lowers the latency of the open port `fd` of `device`; whatever cannot
  // be lowered stays as it is.
  void Lower(int fd, const std::string& device);
  // Puts back what Lower changed, while the port is still open.
  void Restore();

 private:
  std::shared_ptr<PortLatencyCalls> calls_;
  int fd_ = -1;
  std::optional<int> oldFlags_;
  std::string timerPath_;
  std::string oldTimer_;
};

}  // namespace radio
