#include "link/squelch_transaction.h"

#include <algorithm>
#include <array>

#include "link/clone_frames.h"

namespace radio {
namespace {

constexpr std::uint8_t kSquelchLength = static_cast<std::uint8_t>(kSquelchByteCount);
constexpr std::size_t kAnswerSize = kReadHeaderSize + kSquelchByteCount;

// Opens, configures, wakes and identifies. On anything but Ok the port is
// closed again and the message (if any) has been shown.
CloneOutcome Connect(SerialLink& link, Clock& clock, CloneUi& ui, const std::string& portName,
                     Language lang) {
  if (!link.Open(portName)) {
    ui.ShowPortOpenFailure(link.OpenFailureText(lang));
    return CloneOutcome::PortError;
  }
  link.Configure();
  int attempt = 1;
  switch (ConnectAndIdentify(link, clock, ui, kSquelchConnect, attempt, lang)) {
    case ConnectResult::Identified:
      return CloneOutcome::Ok;
    case ConnectResult::CancelledByUser:  // no pump points here; kept for completeness
      link.Close();
      return CloneOutcome::CancelledByUser;
    case ConnectResult::CommunicationCancelled:
      link.Close();
      return CloneOutcome::CommunicationCancelled;
    case ConnectResult::IdentifyFailed:  // the interrupt message is shown before the port closes
      link.Close();
      return CloneOutcome::Interrupted;
  }
  link.Close();
  return CloneOutcome::Interrupted;
}

void SendFrame(SerialLink& link, std::uint8_t command) {
  const std::array<std::uint8_t, 4> frame = {command, kSquelchAddress >> 8, kSquelchAddress & 0xFF,
                                             kSquelchLength};
  link.Write(frame);
}

}  // namespace

CloneOutcome RunSquelchRead(SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image,
                            const std::string& portName, Language lang) {
  const CloneOutcome connected = Connect(link, clock, ui, portName, lang);
  if (connected != CloneOutcome::Ok) return connected;

  link.QueueClear();
  SendFrame(link, kReadCommand);
  clock.SleepMs(1);
  std::array<std::uint8_t, kAnswerSize> answer{};
  std::size_t count = 0;
  // A short answer would copy bytes the radio never sent; the image stays.
  if (!link.Read(answer, count) || count < kAnswerSize) {
    ui.ShowMessage(MessageKind::ProgramInterrupt);
    link.Close();
    return CloneOutcome::Interrupted;
  }
  std::copy_n(answer.begin() + kReadHeaderSize, kSquelchByteCount,
              image.begin() + kSquelchFirstOffset);  // no acknowledge follows
  link.Close();
  ui.ShowMessage(MessageKind::ReadSuccessfully);
  return CloneOutcome::Ok;
}

CloneOutcome RunSquelchWrite(SerialLink& link, Clock& clock, CloneUi& ui, RadioImage& image,
                             const SquelchSelections& selections, const std::string& portName,
                             Language lang) {
  const CloneOutcome connected = Connect(link, clock, ui, portName, lang);
  if (connected != CloneOutcome::Ok) return connected;

  StoreSquelchFields(image, selections);
  link.QueueClear();
  SendFrame(link, kWriteCommand);
  clock.SleepMs(1);
  std::array<std::uint8_t, kSquelchByteCount> data;
  std::copy_n(image.begin() + kSquelchFirstOffset, kSquelchByteCount, data.begin());
  link.Write(data);
  std::uint8_t answer = 0;
  std::size_t count = 0;
  if (link.Read(std::span<std::uint8_t>(&answer, 1), count) && count == 1 && answer == kAck) {
    link.Close();
    ui.ShowMessage(MessageKind::WriteSuccessfully);
    return CloneOutcome::Ok;
  }
  ui.ShowMessage(MessageKind::ProgramInterrupt);
  link.Close();
  return CloneOutcome::Interrupted;
}

}  // namespace radio
