#include "sim/simulated_link.h"

#include <algorithm>

namespace radio {
namespace {

constexpr std::int64_t kIntervalTimeoutUs = 30'000;
constexpr std::int64_t kTotalTimeoutBaseUs = 90'000;
constexpr std::int64_t kTotalTimeoutPerByteUs = 100'000;

}  // namespace

SimulatedLink::SimulatedLink(VirtualRadio& radio, const SimulatedLinkOptions& options)
    : radio_(radio), options_(options) {}

void SimulatedLink::Log(LinkEvent::Kind kind, std::vector<std::uint8_t> bytes,
                        std::size_t requested, int sleepMs) {
  events_.push_back({kind, std::move(bytes), requested, sleepMs, nowUs_});
}

bool SimulatedLink::Open(const std::string& portName) {
  Log(LinkEvent::Kind::Open);
  if (options_.openFails || open_) return false;
  open_ = true;
  portName_ = portName;
  return true;
}

void SimulatedLink::Configure() {
  Log(LinkEvent::Kind::Configure);
}

void SimulatedLink::DiscardArrived() {
  std::erase_if(pending_, [this](const Pending& p) { return p.arrivalUs <= nowUs_; });
}

void SimulatedLink::FullClear() {
  DiscardArrived();
  Log(LinkEvent::Kind::FullClear);
}

void SimulatedLink::QueueClear() {
  DiscardArrived();
  Log(LinkEvent::Kind::QueueClear);
}

bool SimulatedLink::Write(std::span<const std::uint8_t> bytes) {
  Log(LinkEvent::Kind::Write, {bytes.begin(), bytes.end()});
  if (!open_) return false;
  // The bytes leave one after another; the radio answers after the last.
  pcLineFreeUs_ = std::max(pcLineFreeUs_, nowUs_) +
                  options_.byteTimeUs * static_cast<std::int64_t>(bytes.size());
  const std::vector<std::uint8_t> answer = radio_.Receive(bytes);
  std::int64_t t = std::max(radioLineFreeUs_, pcLineFreeUs_ + options_.answerLatencyUs);
  for (std::uint8_t byte : answer) {
    t += options_.byteTimeUs;
    pending_.push_back({byte, t});
  }
  if (!answer.empty()) radioLineFreeUs_ = t;
  return true;
}

bool SimulatedLink::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
  count = 0;
  if (!open_) {
    Log(LinkEvent::Kind::Read, {}, buffer.size());
    return false;
  }
  const std::int64_t deadline = nowUs_ + kTotalTimeoutBaseUs +
                                kTotalTimeoutPerByteUs * static_cast<std::int64_t>(buffer.size());
  std::int64_t last = nowUs_;
  while (count < buffer.size() && !pending_.empty()) {
    const std::int64_t t = std::max(pending_.front().arrivalUs, nowUs_);
    if (t > deadline) break;
    if (count > 0 && t - last > kIntervalTimeoutUs) break;
    buffer[count++] = pending_.front().byte;
    pending_.pop_front();
    last = t;
  }
  if (count == buffer.size())
    nowUs_ = last;
  else if (count == 0)
    nowUs_ = deadline;
  else
    nowUs_ = std::min(last + kIntervalTimeoutUs, deadline);
  Log(LinkEvent::Kind::Read, {buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count)},
      buffer.size());
  return true;
}

void SimulatedLink::Close() {
  open_ = false;
  pending_.clear();
  Log(LinkEvent::Kind::Close);
}

void SimulatedLink::SleepMs(int ms) {
  nowUs_ += std::int64_t{ms} * 1000;
  sleptUs_ += std::int64_t{ms} * 1000;
  Log(LinkEvent::Kind::Sleep, {}, 0, ms);
}

}  // namespace radio
