#include "sim/pty_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace radio {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kIdentifyAckTurnaround = std::chrono::milliseconds(10);
constexpr std::size_t kAdapterPacket = 62;  // payload of one full-speed USB packet

void MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return;
  cfmakeraw(&t);
  cfsetispeed(&t, B9600);
  cfsetospeed(&t, B9600);
  tcsetattr(fd, TCSANOW, &t);
}

}  // namespace

PtyRadio::PtyRadio(VirtualRadio& radio, int baud) : radio_(radio) {
  if (baud > 0) byteTime_ = std::chrono::nanoseconds(10'000'000'000LL / baud);
}

PtyRadio::~PtyRadio() {
  if (slaveHold_ >= 0) close(slaveHold_);
  if (master_ >= 0) close(master_);
}

bool PtyRadio::Open(std::string& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  const char* name = ptsname(master_);
  if (!name) {
    error = "cannot name the pseudo-terminal";
    return false;
  }
  devicePath_ = name;
  // Holding the slave open ourselves keeps the master from seeing a hang-up
  // each time the PC closes the port between exchanges; we never read it.
  slaveHold_ = open(name, O_RDWR | O_NOCTTY);
  if (slaveHold_ >= 0) MakeRaw(slaveHold_);
  MakeRaw(master_);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

void PtyRadio::TakeFromPc() {
  std::uint8_t buf[512];
  for (;;) {
    const ssize_t n = read(master_, buf, sizeof buf);
    if (n <= 0) return;
    const auto now = Clock::now();
    bytesFromPc_ += static_cast<std::uint64_t>(n);
    for (ssize_t i = 0; i < n; ++i) {
      rxFree_ = std::max(rxFree_, now) + byteTime_;
      receiving_.push_back({buf[i], rxFree_});
    }
  }
}

void PtyRadio::ProcessReceived(TimePoint now) {
  std::vector<std::uint8_t> bytes;
  TimePoint lastDone{};
  while (!receiving_.empty() && receiving_.front().at <= now) {
    bytes.push_back(receiving_.front().byte);
    lastDone = receiving_.front().at;
    receiving_.pop_front();
  }
  if (bytes.empty()) return;
  const std::size_t framesBefore = radio_.Frames().size();
  const std::vector<std::uint8_t> answer = radio_.Receive(bytes);
  const auto& frames = radio_.Frames();
  // The PC clears its input right after sending the identify acknowledge
  // and only then waits for the answer. A real radio's answer takes its
  // time (two byte times on the line alone, plus the radio's own); answered
  // at pseudo-terminal speed it could be cleared away on a busy machine.
  TimePoint start = lastDone;
  for (std::size_t i = std::max<std::size_t>(framesBefore, 1); i < frames.size(); ++i) {
    if (frames[i].kind == RadioFrame::Kind::Ack &&
        frames[i - 1].kind == RadioFrame::Kind::Identify)
      start = std::max(start, lastDone + kIdentifyAckTurnaround - byteTime_);
  }
  // The radio starts answering once the last byte is in.
  for (std::uint8_t b : answer) {
    txFree_ = std::max(txFree_, start) + byteTime_;
    sending_.push_back({b, txFree_});
  }
  DeliverDue(Clock::now());
  const bool wrote = std::any_of(frames.begin() + static_cast<std::ptrdiff_t>(framesBefore),
                                 frames.end(),
                                 [](const RadioFrame& f) { return f.kind == RadioFrame::Kind::Write; });
  if (wrote && onWrite_) onWrite_();
}

void PtyRadio::DeliverDue(TimePoint now) {
  std::vector<std::uint8_t> out;
  while (!sending_.empty() && sending_.front().at <= now) {
    out.push_back(sending_.front().byte);
    if (adapterLatency_.count() > 0) heldUntil_ = sending_.front().at + adapterLatency_;
    sending_.pop_front();
  }
  if (adapterLatency_.count() > 0) {
    held_.insert(held_.end(), out.begin(), out.end());
    if (held_.empty() || (now < heldUntil_ && held_.size() < kAdapterPacket)) return;
    out.swap(held_);
    held_.clear();
  }
  WriteToPc(out);
}

void PtyRadio::WriteToPc(const std::vector<std::uint8_t>& out) {
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t n = write(master_, out.data() + done, out.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      bytesToPc_ += static_cast<std::uint64_t>(n);
    } else if (n < 0 && errno == EAGAIN) {
      pollfd p{master_, POLLOUT, 0};
      poll(&p, 1, 10);
    } else {
      return;  // nobody can hear the radio: drop the answer
    }
  }
}

void PtyRadio::Serve(int stopFd) {
  for (;;) {
    const auto now = Clock::now();
    ProcessReceived(now);
    DeliverDue(now);
    TimePoint next = TimePoint::max();
    if (!receiving_.empty()) next = receiving_.front().at;
    if (!sending_.empty()) next = std::min(next, sending_.front().at);
    if (!held_.empty()) next = std::min(next, heldUntil_);
    timespec timeout{};
    timespec* wait = nullptr;
    if (next != TimePoint::max()) {
      const auto ns = std::max<std::int64_t>(
          0, std::chrono::duration_cast<std::chrono::nanoseconds>(next - Clock::now()).count());
      timeout.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
      timeout.tv_nsec = static_cast<long>(ns % 1'000'000'000);
      wait = &timeout;
    }
    pollfd fds[2] = {{master_, POLLIN, 0}, {stopFd, POLLIN, 0}};
    const int r = ppoll(fds, 2, wait, nullptr);
    if (r < 0 && errno != EINTR) return;
    if (fds[1].revents) return;
    if (fds[0].revents & POLLIN) TakeFromPc();
  }
}

}  // namespace radio
