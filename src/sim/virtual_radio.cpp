#include "sim/virtual_radio.h"

#include <algorithm>
#include <utility>

#include "image/bytes.h"

namespace radio {
namespace {

constexpr std::array<std::uint8_t, kIdentityAnswerSize> kIdentity = {'V', 'R', 'A',  'D',
                                                                     'I', 'O', 0x00, 0x00};
constexpr std::uint8_t kNoise = 0xA5;

struct SampleChannel {
  int channel;  // 1-128
  std::int64_t rx;
  std::int64_t tx;  // 10 Hz units
  int decodeTenths;
  int encodeTenths;  // CTCSS in tenths of a hertz, 0 for none
  std::uint8_t flags;
  const char* name;
};

void PutFrequency(std::uint8_t* p, std::int64_t f) {
  p[0] = ToBcd(static_cast<int>(f % 100));
  p[1] = ToBcd(static_cast<int>(f / 100 % 100));
  p[2] = ToBcd(static_cast<int>(f / 10000 % 100));
  p[3] = ToBcd(static_cast<int>(f / 1000000));
}

void PutTone(std::uint8_t* p, int tenths) {
  if (tenths == 0) {
    p[0] = p[1] = 0xFF;
    return;
  }
  p[0] = ToBcd(tenths % 100);
  p[1] = ToBcd(tenths / 100);
}

}  // namespace

RadioMemory MakePlausibleRadioMemory() {
  BandLimitBytes band = kDefaultBandLimitBytes;  // both bands 330-400 MHz
  const RadioImage image = MakeNewImage(band);
  RadioMemory memory;
  for (std::size_t a = 0; a < memory.size(); ++a) memory[a] = image[*ImageOffsetOfRadioAddress(a)];

  // Flags: power high (bit 5), wide (bit 4), scan add (bit 3).
  const SampleChannel channels[] = {
      {1, 35000000, 35000000, 0, 0, 0x38, "CALL"},
      {2, 36012500, 36012500, 670, 670, 0x38, "SITE-A"},
      {3, 37050000, 37550000, 0, 1318, 0x28, "REPEAT"},
      {10, 39999000, 39999000, 0, 0, 0x08, "NARROW"},
  };
  for (const SampleChannel& c : channels) {
    std::uint8_t* record = memory.data() + (c.channel - 1) * kBlockSize;
    PutFrequency(record, c.rx);
    PutFrequency(record + 4, c.tx);
    PutTone(record + 8, c.decodeTenths);
    PutTone(record + 10, c.encodeTenths);
    record[12] = 0x00;  // no optional signal
    record[13] = c.flags;
    record[14] = record[15] = 0x00;
    WriteTextField(std::span<std::uint8_t>(record + 16, 8), c.name);
  }
  memory[kBandTypeAddress] = 0x03;
  return memory;
}

void SetRadioPassword(RadioMemory& memory, std::string_view digits) {
  WriteTextField(std::span<std::uint8_t>(memory.data() + kPasswordAddress, kPasswordLength),
                 digits);
}

VirtualRadio::VirtualRadio(const RadioMemory& memory, const VirtualRadioFaults& faults)
    : memory_(memory), faults_(faults) {}

std::vector<std::uint8_t> VirtualRadio::Receive(std::span<const std::uint8_t> fromPc) {
  std::vector<std::uint8_t> out;
  for (std::uint8_t byte : fromPc) {
    // What was answered before the radio fell silent has gone out already,
    // however the PC's bytes were cut into pieces.
    const std::size_t sent = out.size();
    Take(byte, out);
    if (silent_) out.resize(sent);
    if (cutOff_) silent_ = true;  // the half answer has gone out
  }
  if (faults_.noAnswer) out.clear();
  return out;
}

void VirtualRadio::Log(RadioFrame frame) {
  if (logFrames_) frames_.push_back(std::move(frame));
}

void VirtualRadio::Take(std::uint8_t byte, std::vector<std::uint8_t>& out) {
  switch (state_) {
    case State::Command:
      Command(byte, out);
      return;
    case State::WakeUp:
      if (byte != kWakeUpFrame[wakeUpPos_]) {
        Log({RadioFrame::Kind::Other, 0, 0, {kWakeUpFrame[0]}});
        state_ = State::Command;
        Command(byte, out);
        return;
      }
      if (++wakeUpPos_ < kWakeUpFrame.size()) return;
      state_ = State::Command;
      Log({RadioFrame::Kind::WakeUp, 0, 0, {}});
      identified_ = false;
      if (++wakeUps_ <= faults_.ignoreWakeUps) return;
      out.insert(out.end(), static_cast<std::size_t>(std::max(0, faults_.noiseBeforeWakeUpAck)),
                 kNoise);
      out.push_back(kAck);
      return;
    case State::FrameHeader:
      header_.push_back(byte);
      if (header_[0] == kIdentifyCommand) {
        state_ = State::Command;
        if (byte == kIdentifyArgument) {
          Log({RadioFrame::Kind::Identify, 0, 0, {}});
          identified_ = true;
          out.insert(out.end(), kIdentity.begin(), kIdentity.end());
        } else {
          Log({RadioFrame::Kind::Other, 0, 0, header_});
        }
        return;
      }
      if (header_.size() == 4) FinishHeader(out);
      return;
    case State::WriteData:
      writeData_.push_back(byte);
      if (writeData_.size() == header_[3]) FinishWrite(out);
      return;
  }
}

void VirtualRadio::Command(std::uint8_t byte, std::vector<std::uint8_t>& out) {
  if (byte == kWakeUpFrame[0]) {
    state_ = State::WakeUp;
    wakeUpPos_ = 1;
  } else if (byte == kIdentifyCommand || byte == kReadCommand || byte == kWriteCommand) {
    state_ = State::FrameHeader;
    header_.assign(1, byte);
  } else if (byte == kAck) {
    Log({RadioFrame::Kind::Ack, 0, 0, {}});
    if (identified_) {
      identified_ = false;
      if (++identifyAcks_ <= faults_.missingIdentifyAcks) return;
    }
    out.push_back(AckByte());
  } else {
    Log({RadioFrame::Kind::Other, 0, 0, {byte}});
  }
}

void VirtualRadio::FinishHeader(std::vector<std::uint8_t>& out) {
  const auto address = static_cast<std::uint16_t>((header_[1] << 8) | header_[2]);
  const std::uint8_t length = header_[3];
  identified_ = false;
  if (header_[0] == kWriteCommand) {
    writeData_.clear();
    state_ = State::WriteData;
    if (length == 0) FinishWrite(out);
    return;
  }
  state_ = State::Command;
  Log({RadioFrame::Kind::Read, address, length, {}});
  if (!CountChunk()) return;
  // A radio cut off mid-answer: the header and half the data, then nothing.
  const bool cutOff = chunks_ - 1 == faults_.shortAnswerAtChunk;
  cutOff_ = cutOff;
  out.insert(out.end(), {kWriteCommand, header_[1], header_[2], length});
  for (std::size_t i = 0; i < (cutOff ? length / 2u : length); ++i) {
    const std::size_t a = address + i;
    out.push_back(a < memory_.size() ? memory_[a] : 0xFF);
  }
}

void VirtualRadio::FinishWrite(std::vector<std::uint8_t>& out) {
  state_ = State::Command;
  const auto address = static_cast<std::uint16_t>((header_[1] << 8) | header_[2]);
  Log({RadioFrame::Kind::Write, address, header_[3], writeData_});
  if (!CountChunk()) return;
  if (badAcks_) {
    out.push_back(AckByte());  // the radio did not take the data
    return;
  }
  for (std::size_t i = 0; i < writeData_.size(); ++i)
    if (address + i < memory_.size()) memory_[address + i] = writeData_[i];
  out.push_back(kAck);
}

bool VirtualRadio::CountChunk() {
  if (faults_.silentAfterChunks >= 0 && chunks_ >= faults_.silentAfterChunks) {
    silent_ = true;
    return false;
  }
  if (faults_.badAckAfterChunks >= 0 && chunks_ >= faults_.badAckAfterChunks) badAcks_ = true;
  ++chunks_;
  return true;
}

std::uint8_t VirtualRadio::AckByte() const {
  return badAcks_ ? kBadAck : kAck;
}

}  // namespace radio
