// Serves a VirtualRadio on a POSIX pseudo-terminal: the program under test
// opens the slave device as if it were the radio's programming cable.
// Optional pacing gives every byte, in either direction, its wire time.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "sim/virtual_radio.h"

namespace radio {

class PtyRadio {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  // `baud` 0 serves at full speed; otherwise each byte takes 10 bits' time.
  PtyRadio(VirtualRadio& radio, int baud);
  ~PtyRadio();
  PtyRadio(const PtyRadio&) = delete;
  PtyRadio& operator=(const PtyRadio&) = delete;

  // Creates the pseudo-terminal; false with `error` set when that fails.
  bool Open(std::string& error);
  const std::string& DevicePath() const { return devicePath_; }

  // Imitates a USB-serial adapter's latency timer: the radio's bytes reach
  // the program only once `ms` have passed since the last of them, or at
  // once when 62 have gathered (one USB packet). 0 passes them straight on.
  void SetAdapterLatency(int ms) { adapterLatency_ = std::chrono::milliseconds(ms); }

  // Called after each write frame the radio has answered.
  void OnWriteFrame(std::function<void()> callback) { onWrite_ = std::move(callback); }

  // Bytes that crossed the line each way so far.
  std::uint64_t BytesFromPc() const { return bytesFromPc_; }
  std::uint64_t BytesToPc() const { return bytesToPc_; }

  // Serves until a byte arrives on `stopFd` (a self-pipe written by a
  // signal handler) or that descriptor closes.
  void Serve(int stopFd);

 private:
  struct Timed {
    std::uint8_t byte;
    TimePoint at;  // when its wire time is over
  };
  void TakeFromPc();
  void ProcessReceived(TimePoint now);
  void DeliverDue(TimePoint now);
  void WriteToPc(const std::vector<std::uint8_t>& bytes);

  VirtualRadio& radio_;
  std::chrono::nanoseconds byteTime_{0};
  int master_ = -1;
  int slaveHold_ = -1;  // keeps the line up while no program has the port open
  std::string devicePath_;
  std::deque<Timed> receiving_;  // PC -> radio, still on the wire
  std::deque<Timed> sending_;    // radio -> PC, still on the wire
  TimePoint rxFree_{};           // when the PC -> radio wire is free again
  TimePoint txFree_{};           // when the radio -> PC wire is free again
  std::chrono::milliseconds adapterLatency_{0};
  std::vector<std::uint8_t> held_;  // in the imitated adapter, not yet passed on
  TimePoint heldUntil_{};
  std::function<void()> onWrite_;
  std::uint64_t bytesFromPc_ = 0;
  std::uint64_t bytesToPc_ = 0;
};

}  // namespace radio
