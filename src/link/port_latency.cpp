#include "link/port_latency.h"

#include <filesystem>
#include <fstream>

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
static_assert(static_cast<unsigned>(radio::kLowLatencyFlag) == ASYNC_LOW_LATENCY);
#endif

namespace radio {
namespace {

#ifdef __linux__
class LinuxCalls : public PortLatencyCalls {
 public:
  std::optional<int> SerialFlags(int fd) override {
    serial_struct s{};
    if (ioctl(fd, TIOCGSERIAL, &s) != 0) return std::nullopt;
    return s.flags;
  }
  bool SetSerialFlags(int fd, int flags) override {
    serial_struct s{};
    if (ioctl(fd, TIOCGSERIAL, &s) != 0) return false;
    s.flags = flags;
    return ioctl(fd, TIOCSSERIAL, &s) == 0;
  }
  std::string LatencyTimerPath(const std::string& device) override {
    std::error_code ec;
    const auto real = std::filesystem::canonical(device, ec);
    if (ec) return {};
    return "/sys/bus/usb-serial/devices/" + real.filename().string() + "/latency_timer";
  }
  std::optional<std::string> ReadFile(const std::string& path) override {
    std::ifstream in(path);
    std::string text;
    if (!(in >> text)) return std::nullopt;
    return text;
  }
  bool WriteFile(const std::string& path, const std::string& text) override {
    std::ofstream out(path);
    out << text << '\n';
    out.flush();
    return static_cast<bool>(out);
  }
};
#else
class NoCalls : public PortLatencyCalls {
 public:
  std::optional<int> SerialFlags(int) override { return std::nullopt; }
  bool SetSerialFlags(int, int) override { return false; }
  std::string LatencyTimerPath(const std::string&) override { return {}; }
  std::optional<std::string> ReadFile(const std::string&) override { return std::nullopt; }
  bool WriteFile(const std::string&, const std::string&) override { return false; }
};
#endif

}  // namespace

std::shared_ptr<PortLatencyCalls> SystemPortLatencyCalls() {
#ifdef __linux__
  return std::make_shared<LinuxCalls>();
#else
  return std::make_shared<NoCalls>();
#endif
}

PortLatency::PortLatency(std::shared_ptr<PortLatencyCalls> calls) : calls_(std::move(calls)) {}

void PortLatency::Lower(int fd, const std::string& device) {
  Restore();
  fd_ = fd;
  if (const auto flags = calls_->SerialFlags(fd); flags && !(*flags & kLowLatencyFlag)) {
    if (calls_->SetSerialFlags(fd, *flags | kLowLatencyFlag)) oldFlags_ = flags;
  }
  const std::string path = calls_->LatencyTimerPath(device);
  if (path.empty()) return;
  const auto old = calls_->ReadFile(path);
  if (!old || *old == "1") return;
  if (calls_->WriteFile(path, "1")) {
    timerPath_ = path;
    oldTimer_ = *old;
  }
}

void PortLatency::Restore() {
  if (oldFlags_) calls_->SetSerialFlags(fd_, *oldFlags_);
  if (!timerPath_.empty()) calls_->WriteFile(timerPath_, oldTimer_);
  oldFlags_.reset();
  timerPath_.clear();
  oldTimer_.clear();
  fd_ = -1;
}

}  // namespace radio
