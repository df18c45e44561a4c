#include "link/radio_finder.h"

#include <algorithm>

namespace radio {
namespace {

// The caller's cancel, plus an end after a few silent wake-up
// attempts (one status line is shown per attempt). Retry questions are
// answered "Cancel" and messages are dropped: on a port that is not the
// radio's they mean nothing to the user.
class ProbeUi : public CloneUi {
 public:
  explicit ProbeUi(const std::function<bool()>& cancelled) : cancelled_(cancelled) {}

  bool Pump() override {
    userCancelled_ = userCancelled_ || cancelled_();
    return userCancelled_ || attempts_ >= kFindWakeUpAttempts;
  }
  void SetStatus(const std::string&) override { ++attempts_; }
  void Step(int) override {}
  bool AskRetry() override { return false; }
  void ShowMessage(MessageKind) override {}
  void ShowPortOpenFailure(const std::string&) override {}

  bool UserCancelled() const { return userCancelled_; }

 private:
  const std::function<bool()>& cancelled_;
  int attempts_ = 0;
  bool userCancelled_ = false;
};

}  // namespace

bool IsUsbSerialDevice(std::string_view device) {
  for (std::string_view mark : {"ttyUSB", "ttyACM", "/dev/serial/by-id/usb-", "cu.usb", "tty.usb"})
    if (device.find(mark) != std::string_view::npos) return true;
  return false;
}

std::vector<FindPort> UsbSerialFirst(std::vector<FindPort> ports) {
  std::stable_partition(ports.begin(), ports.end(),
                        [](const FindPort& p) { return IsUsbSerialDevice(p.device); });
  return ports;
}

FindReport FindRadio(SerialLink& link, Clock& clock, const std::function<bool()>& cancelled,
                     const std::vector<FindPort>& ports, Language lang,
                     const std::function<void(const FindPort&)>& trying) {
  FindReport report;
  for (const FindPort& port : ports) {
    if (cancelled()) {
      report.outcome = FindOutcome::Cancelled;
      return report;
    }
    if (trying) trying(port);
    report.tried.push_back(port);
    if (!link.Open(port.device)) {
      report.unopenable.emplace_back(port, link.OpenFailureText(lang));
      continue;
    }
    link.Configure();
    ProbeUi probe(cancelled);
    int attempt = 1;
    const ConnectResult connect =
        ConnectAndIdentify(link, clock, probe, kCloneConnect, attempt, lang);
    link.Close();
    if (connect == ConnectResult::Identified) {
      report.outcome = FindOutcome::Found;
      report.found = port;
      return report;
    }
    if (probe.UserCancelled()) {
      report.outcome = FindOutcome::Cancelled;
      return report;
    }
  }
  return report;
}

}  // namespace radio
