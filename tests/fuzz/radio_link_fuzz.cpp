// libFuzzer target: a clone run (read or write) or a squelch transaction
// (read or write) against a radio that answers with the fuzz bytes (see
// FuzzRadioLink). Whatever the radio does:
// - the run ends, once the input is used up within one more honest run;
// - the port is closed at the end, and used only while open;
// - the run says what happened: the one message its outcome calls for,
//   nothing after the user's Cancel, and success only when the radio
//   acknowledged every chunk;
// - the document takes only bytes the radio sent, for the addresses it
//   sent them for, and nothing at all from a failed squelch read;
// - a successful read holds exactly what the radio sent for its whole
//   memory, a successful write sent exactly the document.
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_radio_link.h"
#include "fuzz/fuzz_support.h"
#include "image/channel_codec.h"
#include "link/clone_engine.h"
#include "link/recording_ui.h"
#include "link/squelch_transaction.h"

namespace {

using namespace radio;
using fuzz::Check;
using Messages = std::vector<MessageKind>;

enum class Run { CloneRead, CloneWrite, SquelchRead, SquelchWrite };

// Once the input is used up the radio behaves; a whole read is the longest
// run it then takes (two reads per chunk and a few to connect).
constexpr int kReadsOnceInputEnds = 2 * (2 * kReadChunks + 64);

// The message an outcome shows (none for the user's own Cancel).
Messages MessagesOf(CloneOutcome outcome, Run run) {
  switch (outcome) {
    case CloneOutcome::Ok:
      if (run == Run::SquelchRead) return {MessageKind::ReadSuccessfully};
      if (run == Run::SquelchWrite) return {MessageKind::WriteSuccessfully};
      return {};
    case CloneOutcome::PortError:
      return {MessageKind::PortOpenFailed};
    case CloneOutcome::Interrupted:
      return {MessageKind::ProgramInterrupt};
    case CloneOutcome::BandTypeError:
      return {MessageKind::BandTypeError};
    case CloneOutcome::PasswordError:
      return {MessageKind::PasswordError};
    case CloneOutcome::CancelledByUser:
    case CloneOutcome::CommunicationCancelled:
      return {};
  }
  return {};
}

// Each byte the run changed came from the radio, for that byte's address;
// after a whole read every byte with an address holds what the radio sent.
// A clone run also refreshes bit 3 of 0x12AB from the radio's 0x0C73.
void CheckTakenFromRadio(const RadioImage& before, const RadioImage& after,
                         const fuzz::FuzzRadioLink& link, bool whole) {
  const auto& received = link.Received();
  for (std::size_t offset = 0; offset < kImageSize; ++offset) {
    const auto address = RadioAddressOfImageOffset(offset);
    if (!address) {
      Check(after[offset] == before[offset], "bytes the radio does not hold never change");
      continue;
    }
    const auto sent = received.find(*address);
    const bool answered = sent != received.end();
    if (whole) {
      Check(answered && after[offset] == sent->second, "a whole read holds what the radio sent");
      continue;
    }
    if (after[offset] == before[offset]) continue;
    Check(answered, "a byte changes only when the radio sent it");
    const bool optionBit = offset == kChannelCommitOffset &&
                           (after[offset] ^ before[offset]) == 0x08 &&
                           ((after[offset] ^ sent->second) & 0x08) == 0;
    Check(after[offset] == sent->second || optionBit,
          "a byte changes only to what the radio sent for it");
  }
}

void CheckClone(CloneMode mode, const CloneResult& result, const RadioImage& before,
                const RadioImage& after, const fuzz::FuzzRadioLink& link) {
  const bool ok = result.outcome == CloneOutcome::Ok;
  if (mode == CloneMode::Read) {
    CheckTakenFromRadio(before, after, link, ok);
    if (ok) Check(result.chunks == kReadChunks, "a whole read moves every chunk");
    return;
  }
  for (std::size_t offset = 0; offset < kImageSize; ++offset)
    Check(after[offset] == before[offset] ||
              (offset == kChannelCommitOffset && (after[offset] ^ before[offset]) == 0x08),
          "a write changes nothing in the document but the radio's option bit");
  CheckTakenFromRadio(before, after, link, false);
  if (!ok) return;
  Check(result.chunks == kWriteChunks, "a whole write moves every chunk");
  const auto& written = link.Written();
  Check(written.size() == kWriteChunks * 8 + 1, "a write sends each address once");
  for (const auto& [address, byte] : written) {
    if (address == kBandTypeAddress) {
      Check(byte == 0x03, "a write ends by setting the band type to 3");
      continue;
    }
    const auto offset = ImageOffsetOfRadioAddress(address);
    Check(offset && after[*offset] == byte, "a write sends the document's bytes");
  }
}

void CheckSquelch(Run run, CloneOutcome outcome, const RadioImage& before, const RadioImage& after,
                  const SquelchSelections& selections, const fuzz::FuzzRadioLink& link) {
  const bool ok = outcome == CloneOutcome::Ok;
  if (run == Run::SquelchRead) {
    RadioImage expected = before;
    for (std::size_t i = 0; i < kSquelchByteCount && ok; ++i) {
      const auto sent = link.Received().find(kSquelchAddress + i);
      Check(sent != link.Received().end(), "a squelch read takes what the radio sent");
      expected[kSquelchFirstOffset + i] = sent->second;
    }
    Check(after == expected, ok ? "a squelch read changes the four squelch bytes only"
                                : "a failed squelch read leaves the document unchanged");
    return;
  }
  RadioImage stored = before;
  StoreSquelchFields(stored, selections);
  Check(after == stored || (!ok && after == before), "a squelch write stores the four values only");
  if (!ok) return;
  Check(link.Written().size() == kSquelchByteCount, "a squelch write sends four bytes");
  for (std::size_t i = 0; i < kSquelchByteCount; ++i) {
    const auto sent = link.Written().find(kSquelchAddress + i);
    Check(sent != link.Written().end() && sent->second == stored[kSquelchFirstOffset + i],
          "a squelch write sends the stored values");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const std::uint8_t setup = in.Byte();
  const auto run = static_cast<Run>(setup & 3);
  const Language lang = fuzz::LanguageOf(setup >> 2);
  const bool openFails = (setup & 0x38) == 0x38;
  const int cancelAt = in.Word();  // the pump at which the user cancels; 0 never
  SquelchSelections selections;
  for (SquelchSelection& s : selections) {
    const std::uint8_t b = in.Byte(0xFF);
    if (b != 0xFF) s = kSquelchListFirst + b % kSquelchListSize;
  }

  BandLimitBytes band = kDefaultBandLimitBytes;
  RadioImage image = MakeNewImage(band);
  // A document with a power-on password the radio does not have.
  if ((setup & 0x40) != 0) {
    const std::size_t password = *ImageOffsetOfRadioAddress(kPasswordAddress);
    for (std::size_t i = 0; i < 4; ++i) image[password + i] = static_cast<std::uint8_t>('1' + i);
  }
  const RadioImage before = image;

  VirtualRadio radio;
  fuzz::FuzzRadioLink link(in, radio, openFails);
  test::RecordingUi ui;
  int readsAtCancel = -1;
  ui.cancelWhen = [&](int pumps) {
    if (cancelAt == 0 || pumps < cancelAt) return false;
    if (readsAtCancel < 0) readsAtCancel = link.Reads();
    return true;
  };
  ui.onQuestion = [&] {
    if (!in.Empty()) ui.retries.push_back((in.Byte() & 1) != 0);
  };

  CloneOutcome outcome;
  if (run == Run::CloneRead || run == Run::CloneWrite) {
    const CloneMode mode = run == Run::CloneRead ? CloneMode::Read : CloneMode::Write;
    const CloneResult result = RunClone(link, link, ui, mode, image, "COM1", lang);
    outcome = result.outcome;
    CheckClone(mode, result, before, image, link);
  } else if (run == Run::SquelchRead) {
    outcome = RunSquelchRead(link, link, ui, image, "COM1", lang);
    CheckSquelch(run, outcome, before, image, selections, link);
  } else {
    outcome = RunSquelchWrite(link, link, ui, image, selections, "COM1", lang);
    CheckSquelch(run, outcome, before, image, selections, link);
  }

  Check(!link.IsOpen(), "every run ends with the port closed");
  Check(outcome != CloneOutcome::PortError || link.Reads() == 0,
        "a port that did not open is not used");
  Check(link.ReadsAfterInput() <= kReadsOnceInputEnds, "a run ends once the radio behaves");
  Check(ui.messages == MessagesOf(outcome, run), "the run shows the message its outcome calls for");
  Check(outcome != CloneOutcome::Ok || link.Unacknowledged() == 0,
        "a run succeeds only when the radio acknowledged every chunk");
  if (readsAtCancel >= 0) {
    Check(outcome == CloneOutcome::CancelledByUser, "Cancel seen at a pump point ends the run");
    Check(link.Reads() == readsAtCancel, "nothing is read after Cancel");
  }
  return 0;
}
