#include "link/clone_engine.h"

#include <array>
#include <cstdio>
#include <initializer_list>

#include "image/bytes.h"
#include "link/clone_frames.h"

namespace radio {
namespace {

constexpr int kWakeUpAttempts = 15;   // silent attempts before the question
constexpr int kIdentifyAttempts = 5;  // beyond this a missing identify ack is final
constexpr int kConnectPumpRounds = 6;
constexpr int kBlockPumpRounds = 5;
constexpr std::size_t kChunk = 8;
constexpr std::size_t kAnswerSize = kReadHeaderSize + kChunk;
constexpr std::size_t kReadFrameSize = 4;  // command, address high and low, length

constexpr std::uint16_t kIdentRowSecondHalf = kIdentRowAddress + 8;
constexpr std::uint8_t kWrittenBandType = 0x03;
constexpr int kOptionBit = 3;
constexpr std::size_t kLastWrittenBlock = 254;
constexpr std::size_t kIdentRowBlock = 253;  // radio 0x0FD0-0x0FDF, never written

void Send(SerialLink& link, std::initializer_list<std::uint8_t> bytes) {
  link.Write(std::span<const std::uint8_t>(bytes.begin(), bytes.size()));
}

// One byte that must be the acknowledge; an empty or failed read is not.
bool ReadAck(SerialLink& link) {
  std::uint8_t byte = 0;
  std::size_t count = 0;
  return link.Read(std::span<std::uint8_t>(&byte, 1), count) && count == 1 && byte == kAck;
}

// The wake-up answer: up to two bytes, the first 06 wins. A failed read ends
// the attempt at once.
bool ReadWakeUpAnswer(SerialLink& link) {
  for (int i = 0; i < 2; ++i) {
    std::uint8_t byte = 0;
    std::size_t count = 0;
    if (!link.Read(std::span<std::uint8_t>(&byte, 1), count)) return false;
    if (count == 1 && byte == kAck) return true;
  }
  return false;
}

class CloneRun {
 public:
  CloneRun(SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image, Language lang)
      : link_(link), clock_(clock), ui_(ui), image_(image), lang_(lang) {}

  CloneResult Run(const std::function<CloneMode()>& mode, const std::string& portName);

 private:
  CloneOutcome InfoPhase();
  CloneOutcome ReadTransfer();
  CloneOutcome WriteTransfer();
  CloneResult Finish(CloneOutcome outcome);

  // A Read frame of 8 bytes whose whole answer must arrive.
  bool ReadRow(std::uint16_t address);
  // Acknowledges a row after the 1 ms pause, with a fresh reply buffer.
  bool AckRow();
  bool ReadChunk(bool lowerArea);
  bool WriteChunk();
  // Advances the progress bar and pumps; false when the user cancelled.
  bool BlockProgress();

  std::uint8_t& ImageByte(std::size_t address) {
    return image_[*ImageOffsetOfRadioAddress(address)];
  }

  SerialLink& link_;
  Clock& clock_;
  CloneUi& ui_;
  RadioImage& image_;
  Language lang_;
  CloneResult result_;
  std::int64_t startUs_ = 0;
  std::array<std::uint8_t, 16> reply_{};
  std::array<std::uint8_t, 16> ident_{};
  std::size_t address_ = 0;
};

CloneResult CloneRun::Run(const std::function<CloneMode()>& mode, const std::string& portName) {
  startUs_ = clock_.NowUs();
  if (!link_.Open(portName)) {
    ui_.ShowPortOpenFailure(link_.OpenFailureText(lang_));
    result_.outcome = CloneOutcome::PortError;
    return result_;
  }
  link_.Configure();
  reply_.fill(0);
  int attempt = 1;
  bool infoDone = false;
  for (;;) {
    result_.stage = CloneStage::Connecting;
    switch (ConnectAndIdentify(link_, clock_, ui_, kCloneConnect, attempt, lang_)) {
      case ConnectResult::Identified:
        break;
      case ConnectResult::CancelledByUser:
        return Finish(CloneOutcome::CancelledByUser);
      case ConnectResult::CommunicationCancelled:
        return Finish(CloneOutcome::CommunicationCancelled);
      case ConnectResult::IdentifyFailed:
        return Finish(CloneOutcome::Interrupted);
    }
    if (infoDone) break;
    result_.stage = CloneStage::Info;
    const CloneOutcome info = InfoPhase();
    if (info != CloneOutcome::Ok) return Finish(info);
    infoDone = true;
  }

  result_.stage = CloneStage::Transfer;
  result_.mode = mode();
  result_.transferStarted = true;
  const CloneOutcome outcome = result_.mode == CloneMode::Read ? ReadTransfer() : WriteTransfer();
  if (outcome == CloneOutcome::Ok) result_.stage = CloneStage::Finished;
  return Finish(outcome);
}

CloneResult CloneRun::Finish(CloneOutcome outcome) {
  result_.outcome = outcome;
  result_.delays.runUs = clock_.NowUs() - startUs_;
  switch (outcome) {
    case CloneOutcome::Interrupted:
      // The identify failure has shown its message already.
      if (result_.stage != CloneStage::Connecting) ui_.ShowMessage(MessageKind::ProgramInterrupt);
      link_.Close();
      break;
    case CloneOutcome::BandTypeError:
      link_.Close();
      ui_.ShowMessage(MessageKind::BandTypeError);
      break;
    case CloneOutcome::PasswordError:
      ui_.ShowMessage(MessageKind::PasswordError);
      link_.Close();
      break;
    default:
      link_.Close();
      break;
  }
  return result_;
}

bool CloneRun::ReadRow(std::uint16_t address) {
  link_.QueueClear();
  Send(link_, {kReadCommand, static_cast<std::uint8_t>(address >> 8),
               static_cast<std::uint8_t>(address & 0xFF), kChunk});
  std::size_t count = 0;
  return link_.Read(std::span<std::uint8_t>(reply_.data(), kAnswerSize), count) &&
         count >= kAnswerSize;
}

bool CloneRun::AckRow() {
  clock_.SleepMs(1);
  reply_.fill(0);
  link_.QueueClear();
  Send(link_, {kAck});
  return ReadAck(link_);
}

CloneOutcome CloneRun::InfoPhase() {
  if (!ReadRow(kIdentRowAddress)) return CloneOutcome::Interrupted;
  std::copy_n(reply_.begin() + kReadHeaderSize, kChunk, ident_.begin());
  if (!AckRow()) return CloneOutcome::Interrupted;
  if (!ReadRow(kIdentRowSecondHalf)) return CloneOutcome::Interrupted;
  std::copy_n(reply_.begin() + kReadHeaderSize, kChunk, ident_.begin() + kChunk);
  if (!AckRow()) return CloneOutcome::Interrupted;

  // Band types 1, 2 and 5 belong to radios this program must not touch.
  const std::uint8_t bandType = ident_[kBandTypeAddress - kIdentRowAddress];
  if (bandType == 1 || bandType == 2 || bandType == 5) return CloneOutcome::BandTypeError;

  // The radio's own bit 3 of 0x0C73 replaces the image's; no acknowledge.
  if (!ReadRow(kOptionRowAddress)) return CloneOutcome::Interrupted;
  SetBit(ImageByte(kOptionRowAddress + 3), kOptionBit,
         GetBit(reply_[kReadHeaderSize + 3], kOptionBit));
  result_.optionBitRefreshed = true;
  return CloneOutcome::Ok;
}

bool CloneRun::BlockProgress() {
  if (result_.progress < kProgressMax) {
    ++result_.progress;
    ui_.Step(result_.progress);
    ui_.SetStatus(std::to_string(result_.progress));
  }
  for (int round = 0; round < kBlockPumpRounds; ++round)
    if (ui_.Pump()) return false;
  return true;
}

bool CloneRun::ReadChunk(bool lowerArea) {
  link_.QueueClear();
  std::int64_t sentUs = clock_.NowUs();
  Send(link_, {kReadCommand, static_cast<std::uint8_t>(address_ >> 8),
               static_cast<std::uint8_t>(address_ & 0xFF), kChunk});
  std::size_t count = 0;
  if (!link_.Read(std::span<std::uint8_t>(reply_.data(), kAnswerSize), count) ||
      count < kAnswerSize)
    return false;
  result_.delays.Add(clock_.NowUs() - sentUs, kReadFrameSize + kAnswerSize);
  for (std::size_t i = 0; i < kChunk; ++i) ImageByte(address_ + i) = reply_[kReadHeaderSize + i];
  if (lowerArea) clock_.SleepMs(1);
  link_.QueueClear();
  sentUs = clock_.NowUs();
  Send(link_, {kAck});
  if (!ReadAck(link_)) return false;
  result_.delays.Add(clock_.NowUs() - sentUs, 2);
  address_ += kChunk;
  ++result_.chunks;
  return true;
}

CloneOutcome CloneRun::ReadTransfer() {
  // Password check: the radio's 0x0FE2-0x0FE7 against the document's.
  Send(link_, {kReadCommand, kPasswordRowAddress >> 8, kPasswordRowAddress & 0xFF, kChunk});
  std::size_t count = 0;
  // A short answer would compare stale bytes; treat it as the interruption it is.
  if (!link_.Read(std::span<std::uint8_t>(reply_.data(), kAnswerSize), count) ||
      count < kAnswerSize)
    return CloneOutcome::Interrupted;
  for (std::size_t i = 0; i < kPasswordLength; ++i)
    if (image_[*ImageOffsetOfRadioAddress(kPasswordAddress + i)] !=
        reply_[kReadHeaderSize + (kPasswordAddress - kPasswordRowAddress) + i])
      return CloneOutcome::PasswordError;
  Send(link_, {kAck});
  if (!ReadAck(link_)) return CloneOutcome::Interrupted;

  address_ = 0;
  for (std::size_t block = 0; block < kLowerAreaBlocks; ++block) {
    for (int chunk = 0; chunk < 3; ++chunk) {
      if (chunk > 0) clock_.SleepMs(1);
      if (!ReadChunk(true)) return CloneOutcome::Interrupted;
    }
    if (!BlockProgress()) return CloneOutcome::CancelledByUser;
  }
  for (std::size_t block = kUpperFirstBlock; block < kBlockCount; ++block) {
    for (int chunk = 0; chunk < 2; ++chunk)
      if (!ReadChunk(false)) return CloneOutcome::Interrupted;
    if (!BlockProgress()) return CloneOutcome::CancelledByUser;
  }
  return CloneOutcome::Ok;
}

bool CloneRun::WriteChunk() {
  std::array<std::uint8_t, kChunk> data;
  for (std::size_t i = 0; i < kChunk; ++i) data[i] = ImageByte(address_ + i);
  link_.QueueClear();
  const std::int64_t sentUs = clock_.NowUs();
  Send(link_, {kWriteCommand, static_cast<std::uint8_t>(address_ >> 8),
               static_cast<std::uint8_t>(address_ & 0xFF), kChunk});
  clock_.SleepMs(1);
  link_.Write(data);
  if (!ReadAck(link_)) return false;
  // The frame, its data and the acknowledge cross the wire; the 1 ms pause
  // mostly passes while the frame is still on its way.
  result_.delays.Add(clock_.NowUs() - sentUs, kReadFrameSize + kChunk + 1);
  address_ += kChunk;
  ++result_.chunks;
  return true;
}

CloneOutcome CloneRun::WriteTransfer() {
  address_ = 0;
  for (std::size_t block = 0; block < kLowerAreaBlocks; ++block) {
    for (int chunk = 0; chunk < 3; ++chunk)
      if (!WriteChunk()) return CloneOutcome::Interrupted;
    if (!BlockProgress()) return CloneOutcome::CancelledByUser;
  }
  // Block 255 (radio 0x0FF0-0x0FFF) is never written.
  for (std::size_t block = kUpperFirstBlock; block <= kLastWrittenBlock; ++block) {
    if (block == kIdentRowBlock) {
      address_ += kUpperBytesPerBlock;  // the radio's identification row stays
      continue;
    }
    for (int chunk = 0; chunk < 2; ++chunk)
      if (!WriteChunk()) return CloneOutcome::Interrupted;
    if (!BlockProgress()) return CloneOutcome::CancelledByUser;
  }
  // Mark the radio's band type as written by this program.
  link_.QueueClear();
  Send(link_, {kWriteCommand, kBandTypeAddress >> 8, kBandTypeAddress & 0xFF, 0x01});
  clock_.SleepMs(1);
  Send(link_, {kWrittenBandType});
  if (!ReadAck(link_)) return CloneOutcome::Interrupted;
  return CloneOutcome::Ok;
}

}  // namespace

ConnectResult ConnectAndIdentify(SerialLink& link, Clock& clock, CloneUi& ui,
                                 const ConnectOptions& options, int& attempt, Language lang) {
  for (;;) {
    if (options.pumpBeforeAttempt) {
      for (int round = 0; round < kConnectPumpRounds; ++round) {
        if (ui.Pump()) return ConnectResult::CancelledByUser;
        clock.SleepMs(1);
      }
    }
    if (options.showStatus) ui.SetStatus(WaitingForRadioText(lang));

    link.FullClear();
    for (std::uint8_t byte : kWakeUpFrame) {
      clock.SleepMs(2);
      if (options.clearBeforeWakeUpByte) link.QueueClear();
      link.Write(std::span<const std::uint8_t>(&byte, 1));
    }
    if (!ReadWakeUpAnswer(link)) {
      clock.SleepMs(2);
      if (++attempt > kWakeUpAttempts) {
        if (!ui.AskRetry()) return ConnectResult::CommunicationCancelled;
        attempt = 1;
      }
      continue;
    }

    clock.SleepMs(1);
    link.QueueClear();
    Send(link, {kIdentifyCommand, kIdentifyArgument});
    std::array<std::uint8_t, kIdentityAnswerSize> identity{};
    std::size_t count = 0;
    link.Read(identity, count);  // the identity itself is not examined
    link.QueueClear();
    Send(link, {kAck});
    if (options.clearAfterIdentifyAck) link.QueueClear();
    clock.SleepMs(1);
    if (ReadAck(link)) return ConnectResult::Identified;

    if (attempt > kIdentifyAttempts) {
      ui.ShowMessage(MessageKind::ProgramInterrupt);
      return ConnectResult::IdentifyFailed;
    }
    ++attempt;
    if (!ui.AskRetry()) return ConnectResult::CommunicationCancelled;
    attempt = 1;
  }
}

CloneResult RunClone(SerialLink& link, Clock& clock, CloneUi& ui,
                     const std::function<CloneMode()>& mode, RadioImage& image,
                     const std::string& portName, Language lang) {
  return CloneRun(link, clock, ui, image, lang).Run(mode, portName);
}

CloneResult RunClone(SerialLink& link, Clock& clock, CloneUi& ui, CloneMode mode, RadioImage& image,
                     const std::string& portName, Language lang) {
  return RunClone(
      link, clock, ui, [mode] { return mode; }, image, portName, lang);
}

}  // namespace radio
