// The radio side of the clone protocol as a byte-stream state machine: bytes
// from the PC go in, the radio's answer bytes come out. It holds the radio's
// 4096-byte memory and can misbehave on request. The in-process tests and
// radioprog-sim both drive it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "image/radio_image.h"
#include "link/clone_frames.h"

namespace radio {

using RadioMemory = std::array<std::uint8_t, kRadioMemorySize>;

constexpr std::uint8_t kBadAck = 0x15;  // what a confused radio answers instead of 06

// A radio with a new image's settings (mapped through the radio addresses),
// band type 3 and a few channels.
RadioMemory MakePlausibleRadioMemory();

// Power-on password digits into radio 0x0FE2-0x0FE7, 0xFF-padded.
void SetRadioPassword(RadioMemory& memory, std::string_view digits);

// Chunks count every read and write frame the radio answers, the clone run's
// three identification and option reads and its password read included: a
// clean read's first block chunk is the fifth, a clean write's the fourth.
struct VirtualRadioFaults {
  bool noAnswer = false;         // never sends a byte
  int ignoreWakeUps = 0;         // the first N complete wake-ups get no answer
  int noiseBeforeWakeUpAck = 0;  // bytes of noise sent before each wake-up 06
  int silentAfterChunks = -1;    // after N read/write frames, silent for good
  int badAckAfterChunks = -1;    // after N read/write frames, acknowledges with 0x15
  int missingIdentifyAcks = 0;   // the first N identify acknowledges get no answer
  int shortAnswerAtChunk = -1;   // read frame N (counted as above) answers half, then silence
};

struct RadioFrame {
  enum class Kind { WakeUp, Identify, Ack, Read, Write, Other };
  Kind kind = Kind::Other;
  std::uint16_t address = 0;
  std::uint8_t length = 0;
  std::vector<std::uint8_t> data;  // written bytes, or the stray byte of Other
  bool operator==(const RadioFrame&) const = default;
};

class VirtualRadio {
 public:
  explicit VirtualRadio(const RadioMemory& memory = MakePlausibleRadioMemory(),
                        const VirtualRadioFaults& faults = {});

  // Takes bytes from the PC; returns what the radio sends back in answer.
  std::vector<std::uint8_t> Receive(std::span<const std::uint8_t> fromPc);

  RadioMemory& Memory() { return memory_; }
  const RadioMemory& Memory() const { return memory_; }
  VirtualRadioFaults& Faults() { return faults_; }

  // Every frame received, in order (while logging is on, as it is at first;
  // a long-running radio turns it off so the log does not grow for ever).
  const std::vector<RadioFrame>& Frames() const { return frames_; }
  void ClearFrames() { frames_.clear(); }
  void SetFrameLogging(bool on) { logFrames_ = on; }
  // Read and write frames answered so far.
  int Chunks() const { return chunks_; }
  // True once the radio has gone silent (silentAfterChunks reached).
  bool Silent() const { return silent_; }

 private:
  enum class State { Command, WakeUp, FrameHeader, WriteData };

  void Log(RadioFrame frame);
  void Take(std::uint8_t byte, std::vector<std::uint8_t>& out);
  void Command(std::uint8_t byte, std::vector<std::uint8_t>& out);
  void FinishHeader(std::vector<std::uint8_t>& out);
  void FinishWrite(std::vector<std::uint8_t>& out);
  bool CountChunk();  // false once the radio no longer answers
  std::uint8_t AckByte() const;

  RadioMemory memory_;
  VirtualRadioFaults faults_;
  std::vector<RadioFrame> frames_;
  State state_ = State::Command;
  std::size_t wakeUpPos_ = 0;
  std::vector<std::uint8_t> header_;
  std::vector<std::uint8_t> writeData_;
  bool identified_ = false;  // an identify waits for its acknowledge
  int wakeUps_ = 0;
  int identifyAcks_ = 0;
  int chunks_ = 0;
  bool cutOff_ = false;  // the answer just sent was cut short: silent from now on
  bool silent_ = false;
  bool badAcks_ = false;
  bool logFrames_ = true;
};

}  // namespace radio
