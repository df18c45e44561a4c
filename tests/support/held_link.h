// An in-process virtual radio behind a link that holds the clone run still
// once the radio has answered a chosen number of chunk frames, until the
// test lets it go. The test acts (Cancel, Exit, a window's close box) while
// the transfer is really running, then releases it: the run goes on to its
// next cancel point, in virtual time.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"

namespace radio::test {

// Chunk frames a clean run has answered before its first block chunk: the
// info phase's three reads, and for a read also the password read.
constexpr int kWritePreludeChunks = 3;
constexpr int kReadPreludeChunks = 4;

class HeldLink : public SerialLink, public Clock {
 public:
  // Holds before the first frame sent after the radio has answered
  // `holdAfterChunks` chunk frames; a negative count never holds.
  HeldLink(VirtualRadio& radio, int holdAfterChunks)
      : radio_(radio), link_(radio), holdAt_(holdAfterChunks) {}
  ~HeldLink() override { Release(); }

  bool Open(const std::string& portName) override { return link_.Open(portName); }
  void Configure() override { link_.Configure(); }
  void FullClear() override { link_.FullClear(); }
  void QueueClear() override { link_.QueueClear(); }
  bool Write(std::span<const std::uint8_t> bytes) override {
    if (holdAt_ >= 0 && radio_.Chunks() >= holdAt_) Hold();
    return link_.Write(bytes);
  }
  bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
    return link_.Read(buffer, count);
  }
  void Close() override { link_.Close(); }
  void SleepMs(int ms) override { link_.SleepMs(ms); }

  // GUI side: true once the run is held; the run is then mid-transfer.
  bool Held() const { return held_.load(); }
  // Lets the run go on (it holds only once).
  void Release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    released_cv_.notify_all();
  }
  // The port is open (read once the run has ended or while it is held).
  bool IsOpen() const { return link_.IsOpen(); }

 private:
  void Hold() {
    holdAt_ = -1;
    std::unique_lock lock(mutex_);
    held_.store(true);
    // A test that fails while the run is held must not hang the suite.
    released_cv_.wait_for(lock, std::chrono::seconds(30), [this] { return released_; });
  }

  VirtualRadio& radio_;
  SimulatedLink link_;
  int holdAt_;
  std::atomic<bool> held_{false};
  std::mutex mutex_;
  std::condition_variable released_cv_;
  bool released_ = false;
};

}  // namespace radio::test
