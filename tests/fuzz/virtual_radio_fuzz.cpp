// libFuzzer target: any bytes as what the PC sends to the virtual radio.
// Its answers, its frame log and its memory do not depend on how the bytes
// are cut into pieces (a pseudo-terminal hands them over in any sizes).
// A well-behaved radio answers exactly what each frame calls for: 06 for a
// wake-up, an acknowledge or a write, eight bytes for an identify, the
// header and the memory's bytes for a read; and a write changes exactly its
// own bytes.
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "sim/virtual_radio.h"

namespace {

using radio::RadioFrame;
using radio::fuzz::Check;

// The radio's memory before the PC's bytes arrive.
const radio::RadioMemory& StartMemory() {
  static const radio::RadioMemory memory = radio::MakePlausibleRadioMemory();
  return memory;
}

// Misbehaviour on request, when the first byte asks for it.
radio::VirtualRadioFaults FaultsOf(radio::fuzz::Bytes& in) {
  radio::VirtualRadioFaults faults;
  faults.ignoreWakeUps = in.Byte() % 4;
  faults.noiseBeforeWakeUpAck = in.Byte() % 4;
  faults.silentAfterChunks = in.Byte() % 16 - 1;
  faults.badAckAfterChunks = in.Byte() % 16 - 1;
  faults.missingIdentifyAcks = in.Byte() % 4;
  return faults;
}

// Feeds `stream` in pieces of 1 to 16 bytes, sizes drawn from `seed`.
std::vector<std::uint8_t> FeedInPieces(radio::VirtualRadio& radio,
                                       std::span<const std::uint8_t> stream, std::uint8_t seed) {
  std::vector<std::uint8_t> out;
  std::uint32_t state = seed * 2654435761u + 1;
  for (std::size_t at = 0; at < stream.size();) {
    state = state * 1103515245u + 12345u;
    const std::size_t n = std::min<std::size_t>(1 + (state >> 16) % 16, stream.size() - at);
    const std::vector<std::uint8_t> answer = radio.Receive(stream.subspan(at, n));
    out.insert(out.end(), answer.begin(), answer.end());
    at += n;
  }
  return out;
}

// The answers a radio without faults owes for its logged frames, checked
// against what it sent, while its memory is rebuilt from the writes.
void CheckAnswers(const radio::VirtualRadio& radio, const std::vector<std::uint8_t>& out) {
  radio::RadioMemory memory = StartMemory();
  std::size_t at = 0;
  auto expect = [&](std::uint8_t byte) {
    Check(at < out.size() && out[at] == byte, "each frame gets its answer");
    ++at;
  };
  for (const RadioFrame& frame : radio.Frames()) {
    switch (frame.kind) {
      case RadioFrame::Kind::WakeUp:
      case RadioFrame::Kind::Ack:
        expect(radio::kAck);
        break;
      case RadioFrame::Kind::Identify:
        at += radio::kIdentityAnswerSize;
        break;
      case RadioFrame::Kind::Read:
        at += radio::kReadHeaderSize;
        for (std::size_t i = 0; i < frame.length; ++i) {
          const std::size_t a = frame.address + i;
          expect(a < memory.size() ? memory[a] : 0xFF);
        }
        break;
      case RadioFrame::Kind::Write:
        Check(frame.data.size() == frame.length, "a write frame carries its length of data");
        for (std::size_t i = 0; i < frame.data.size(); ++i)
          if (frame.address + i < memory.size()) memory[frame.address + i] = frame.data[i];
        expect(radio::kAck);
        break;
      case RadioFrame::Kind::Other:
        break;
    }
  }
  Check(at == out.size(), "the radio sends nothing no frame called for");
  Check(memory == radio.Memory(), "only write frames change the memory, exactly their bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  radio::fuzz::Bytes in(data, size);
  const std::uint8_t mode = in.Byte();
  const bool faulty = (mode & 0x80) != 0;
  const radio::VirtualRadioFaults faults = faulty ? FaultsOf(in) : radio::VirtualRadioFaults{};
  const std::span<const std::uint8_t> stream = in.Rest();

  radio::VirtualRadio whole(StartMemory(), faults);
  const std::vector<std::uint8_t> answer = whole.Receive(stream);
  radio::VirtualRadio pieces(StartMemory(), faults);
  Check(FeedInPieces(pieces, stream, mode) == answer, "answers do not depend on the pieces");
  Check(pieces.Frames() == whole.Frames(), "frames do not depend on the pieces");
  Check(pieces.Memory() == whole.Memory(), "the memory does not depend on the pieces");
  if (!faulty) CheckAnswers(whole, answer);
  return 0;
}
