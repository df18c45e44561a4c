// A SerialLink and virtual clock whose radio answers from the fuzz bytes.
// Behind it stands a well-behaved virtual radio; for each read the next
// fuzz byte decides what the PC gets: the radio's own answer (as far as it
// has come), bytes taken from the fuzz input in its place (a whole answer
// or a short one), silence, or a failed read. Once the input is used up
// the radio answers properly, so every run ends, bounded by the input.
//
// The link also keeps what the check needs: which radio address each
// byte the PC received stands for (from the Read frame it answered), the
// bytes the PC wrote to each address, and whether the port was used only
// while open.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "link/clone_frames.h"
#include "link/serial_link.h"
#include "sim/virtual_radio.h"

namespace radio::fuzz {

class FuzzRadioLink : public SerialLink, public Clock {
 public:
  FuzzRadioLink(Bytes& input, VirtualRadio& radio, bool openFails)
      : input_(input), radio_(radio), openFails_(openFails) {}

  bool Open(const std::string&) override {
    Check(!open_ && opens_ == 0, "the port is opened once per run");
    ++opens_;
    open_ = !openFails_;
    return open_;
  }
  void Configure() override { Check(open_, "configure an open port"); }
  void FullClear() override { Clear(); }
  void QueueClear() override { Clear(); }

  bool Write(std::span<const std::uint8_t> bytes) override {
    Check(open_, "write to an open port only");
    Track(bytes);
    const std::vector<std::uint8_t> answer = radio_.Receive(bytes);
    line_.insert(line_.end(), answer.begin(), answer.end());
    return true;
  }

  bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
    const bool ackDue = std::exchange(ackDue_, false);
    const bool ok = Answer(buffer, count);
    if (ackDue && !(ok && count == 1 && buffer[0] == kAck)) ++unacknowledged_;
    return ok;
  }

  void Close() override {
    Check(open_, "close an open port");
    open_ = false;
  }
  void SleepMs(int ms) override { Check(ms >= 0 && ms <= 2, "the protocol pauses 1 or 2 ms"); }

  bool IsOpen() const { return open_; }
  int Reads() const { return reads_; }
  int ReadsAfterInput() const { return readsAfterInput_; }
  // The last byte the radio sent for each address it answered in full.
  const std::map<std::size_t, std::uint8_t>& Received() const { return received_; }
  // The bytes the PC wrote to each address, in Write frames.
  const std::map<std::size_t, std::uint8_t>& Written() const { return written_; }
  // Written chunks and acknowledged rows whose next read was not the
  // radio's 06.
  int Unacknowledged() const { return unacknowledged_; }

 private:
  bool Answer(std::span<std::uint8_t> buffer, std::size_t& count) {
    Check(open_, "read from an open port only");
    count = 0;
    ++reads_;
    if (input_.Empty()) ++readsAfterInput_;
    const std::uint8_t how = input_.Byte(0);
    if (how >= 0xF0) return false;  // the read itself fails
    if (how >= 0xE0) return true;   // silence until the timeout
    if (how >= 0xA0) {
      // Bytes of the fuzz input instead of the radio's: a whole answer, or
      // a short one.
      const std::size_t n = how >= 0xC0 ? (how & 0x1F) % (buffer.size() + 1) : buffer.size();
      for (std::uint8_t byte : input_.Take(n)) Deliver(byte, buffer, count);
      return true;
    }
    while (count < buffer.size() && !line_.empty()) {
      Deliver(line_.front(), buffer, count);
      line_.pop_front();
    }
    return true;
  }

  void Clear() {
    Check(open_, "clear an open port only");
    line_.clear();
  }

  // Follows the PC's frames: a Read frame's answer is collected until the
  // next write; a Write frame's data is the next write. The radio owes a 06
  // for a chunk's data and for the PC's 06 after a whole read answer.
  void Track(std::span<const std::uint8_t> bytes) {
    const bool rowAnswered = answer_ && answer_->bytes.size() >= kReadHeaderSize + answer_->length;
    answer_.reset();
    if (pendingWrite_) {
      for (std::size_t i = 0; i < bytes.size() && i < pendingWrite_->length; ++i)
        written_[pendingWrite_->address + i] = bytes[i];
      pendingWrite_.reset();
      ackDue_ = true;
      return;
    }
    if (bytes.size() == 1 && bytes[0] == kAck && rowAnswered) ackDue_ = true;
    if (bytes.size() != 4) return;
    const Frame frame{static_cast<std::size_t>(bytes[1] << 8 | bytes[2]), bytes[3], {}};
    if (bytes[0] == kReadCommand) answer_ = frame;
    if (bytes[0] == kWriteCommand) pendingWrite_ = frame;
  }

  void Deliver(std::uint8_t byte, std::span<std::uint8_t> buffer, std::size_t& count) {
    buffer[count++] = byte;
    if (!answer_) return;
    answer_->bytes.push_back(byte);
    if (answer_->bytes.size() != kReadHeaderSize + answer_->length) return;
    for (std::size_t i = 0; i < answer_->length; ++i)
      received_[answer_->address + i] = answer_->bytes[kReadHeaderSize + i];
  }

  struct Frame {
    std::size_t address;
    std::size_t length;
    std::vector<std::uint8_t> bytes;
  };

  Bytes& input_;
  VirtualRadio& radio_;
  bool openFails_;
  bool open_ = false;
  int opens_ = 0;
  int reads_ = 0;
  int readsAfterInput_ = 0;
  int unacknowledged_ = 0;
  bool ackDue_ = false;
  std::deque<std::uint8_t> line_;  // the radio's answers not yet read
  std::optional<Frame> answer_;
  std::optional<Frame> pendingWrite_;
  std::map<std::size_t, std::uint8_t> received_;
  std::map<std::size_t, std::uint8_t> written_;
};

}  // namespace radio::fuzz
