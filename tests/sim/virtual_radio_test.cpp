// The virtual radio's answers and faults, and the simulated link's timing.
#include "sim/virtual_radio.h"

#include <gtest/gtest.h>

#include "image/bytes.h"
#include "sim/simulated_link.h"

namespace radio {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Feed(VirtualRadio& radio, const Bytes& bytes) {
  return radio.Receive(bytes);
}

Bytes WakeUp(VirtualRadio& radio) {
  Bytes out;
  for (std::uint8_t b : kWakeUpFrame) {  // one byte at a time, as the PC sends it
    const Bytes part = Feed(radio, {b});
    out.insert(out.end(), part.begin(), part.end());
  }
  return out;
}

TEST(PlausibleRadioMemory, HoldsNewImageSettingsBandTypeThreeAndSomeChannels) {
  const RadioMemory m = MakePlausibleRadioMemory();
  EXPECT_EQ(m[kBandTypeAddress], 0x03);
  EXPECT_EQ(m[0x0C40], 0x01);  // general settings of a new image, by radio address
  EXPECT_EQ(m[0x0C47], 0x7A);
  EXPECT_EQ(m[0x0C73], 0x01);
  EXPECT_EQ(Bytes(m.begin() + 0x0FF0, m.begin() + 0x0FFA),
            (Bytes{0x33, 0x40, 0x00, 0x33, 0x40, 0x00, 0x29, 0x27, 0x22, 0x1E}));
  EXPECT_EQ(Bytes(m.begin() + kPasswordAddress, m.begin() + kPasswordAddress + 6), Bytes(6, 0xFF));
  // Channel 1: 350.00000 MHz both ways, named "CALL".
  EXPECT_EQ(Bytes(m.begin(), m.begin() + 8),
            (Bytes{0x00, 0x00, 0x00, 0x35, 0x00, 0x00, 0x00, 0x35}));
  EXPECT_EQ(ReadTextField(std::span<const std::uint8_t>(m.data() + 16, 8)), "CALL");
  EXPECT_EQ(m[5 * 24 + 3], 0xFF);  // channel 6 is empty
}

TEST(VirtualRadio, AnswersWakeUpIdentifyReadWriteAndAcknowledges) {
  VirtualRadio radio;
  EXPECT_EQ(WakeUp(radio), Bytes{kAck});
  EXPECT_EQ(Feed(radio, {'M', 0x02}).size(), kIdentityAnswerSize);
  EXPECT_EQ(Feed(radio, {kAck}), Bytes{kAck});

  radio.Memory()[0x0123] = 0x42;
  const Bytes answer = Feed(radio, {'R', 0x01, 0x20, 0x08});
  ASSERT_EQ(answer.size(), 12u);
  EXPECT_EQ(answer[4 + 3], 0x42);
  EXPECT_EQ(Feed(radio, {kAck}), Bytes{kAck});

  // A write frame arriving in pieces: header, then its data 1 ms later.
  EXPECT_TRUE(Feed(radio, {'W', 0x0F, 0xF6, 0x04}).empty());
  EXPECT_EQ(Feed(radio, {0x11, 0x22, 0x33, 0x44}), Bytes{kAck});
  EXPECT_EQ(Bytes(radio.Memory().begin() + 0x0FF6, radio.Memory().begin() + 0x0FFA),
            (Bytes{0x11, 0x22, 0x33, 0x44}));
  const Bytes squelch = Feed(radio, {'R', 0x0F, 0xF6, 0x04});
  EXPECT_EQ(Bytes(squelch.begin() + 4, squelch.end()), (Bytes{0x11, 0x22, 0x33, 0x44}));

  const std::vector<RadioFrame> want = {
      {RadioFrame::Kind::WakeUp, 0, 0, {}},
      {RadioFrame::Kind::Identify, 0, 0, {}},
      {RadioFrame::Kind::Ack, 0, 0, {}},
      {RadioFrame::Kind::Read, 0x0120, 8, {}},
      {RadioFrame::Kind::Ack, 0, 0, {}},
      {RadioFrame::Kind::Write, 0x0FF6, 4, {0x11, 0x22, 0x33, 0x44}},
      {RadioFrame::Kind::Read, 0x0FF6, 4, {}}};
  EXPECT_EQ(radio.Frames(), want);
  EXPECT_EQ(radio.Chunks(), 3);
}

TEST(VirtualRadio, BrokenWakeUpGetsNoAnswerAndAReadPastTheEndGivesFF) {
  VirtualRadio radio;
  EXPECT_TRUE(Feed(radio, {0x02, 'P', 'R', 'X'}).empty());
  EXPECT_EQ(WakeUp(radio), Bytes{kAck});
  const Bytes answer = Feed(radio, {'R', 0x0F, 0xFC, 0x08});
  EXPECT_EQ(Bytes(answer.begin() + 8, answer.end()), Bytes(4, 0xFF));
}

TEST(VirtualRadio, FaultsShapeTheAnswers) {
  VirtualRadioFaults faults;
  faults.ignoreWakeUps = 1;
  faults.noiseBeforeWakeUpAck = 1;
  faults.missingIdentifyAcks = 1;
  faults.badAckAfterChunks = 1;
  faults.silentAfterChunks = 2;
  VirtualRadio radio(MakePlausibleRadioMemory(), faults);
  EXPECT_TRUE(WakeUp(radio).empty());
  EXPECT_EQ(WakeUp(radio), (Bytes{0xA5, kAck}));
  Feed(radio, {'M', 0x02});
  EXPECT_TRUE(Feed(radio, {kAck}).empty());
  Feed(radio, {'M', 0x02});
  EXPECT_EQ(Feed(radio, {kAck}), Bytes{kAck});

  EXPECT_EQ(Feed(radio, {'W', 0x00, 0x00, 0x01, 0x77}), Bytes{kAck});
  const std::uint8_t old = radio.Memory()[1];
  EXPECT_EQ(Feed(radio, {'W', 0x00, 0x01, 0x01, 0x77}), Bytes{kBadAck});
  EXPECT_EQ(radio.Memory()[1], old);  // a refused write is not stored
  EXPECT_TRUE(Feed(radio, {'R', 0x00, 0x00, 0x08}).empty());
  EXPECT_TRUE(radio.Silent());
  EXPECT_TRUE(WakeUp(radio).empty());  // silent for good

  // Frames that come in one piece: those answered before the radio falls
  // silent keep their answers.
  VirtualRadio fading(MakePlausibleRadioMemory(), VirtualRadioFaults{.silentAfterChunks = 1});
  EXPECT_EQ(Feed(fading, {'W', 0x00, 0x00, 0x01, 0x77, 'W', 0x00, 0x01, 0x01, 0x77, kAck}),
            Bytes{kAck});
  EXPECT_TRUE(fading.Silent());

  VirtualRadio off(MakePlausibleRadioMemory(), VirtualRadioFaults{.noAnswer = true});
  EXPECT_TRUE(WakeUp(off).empty());
  EXPECT_EQ(off.Frames().size(), 1u);  // it still hears
  off.SetFrameLogging(false);
  WakeUp(off);
  EXPECT_EQ(off.Frames().size(), 1u);
}

// --- The simulated link ---

TEST(SimulatedLink, ReadsKeepThePortTimeoutsInVirtualTime) {
  VirtualRadio radio(MakePlausibleRadioMemory(), VirtualRadioFaults{.noAnswer = true});
  SimulatedLink link(radio);
  ASSERT_TRUE(link.Open("COM3"));
  std::array<std::uint8_t, 12> buffer{};
  std::size_t count = 99;
  EXPECT_TRUE(link.Read(std::span(buffer.data(), 1), count));
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(link.NowUs(), 190'000);  // 90 + 100 x 1 ms
  EXPECT_TRUE(link.Read(buffer, count));
  EXPECT_EQ(link.NowUs(), 190'000 + 1'290'000);

  // A complete answer returns when its last byte is in.
  radio.Faults().noAnswer = false;
  link.Options().byteTimeUs = 1000;
  for (std::uint8_t b : kWakeUpFrame) link.Write(std::span(&b, 1));
  const std::int64_t sent = link.NowUs() + 7 * 1000;
  EXPECT_TRUE(link.Read(std::span(buffer.data(), 1), count));
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(link.NowUs(), sent + 1000 + 1000);  // latency, then the byte's wire time

  // A short answer returns 30 ms after its last byte.
  const std::uint8_t identify[] = {'M', 0x02};
  link.Write(identify);
  const std::int64_t start = link.NowUs();
  EXPECT_TRUE(link.Read(buffer, count));
  EXPECT_EQ(count, 8u);
  EXPECT_EQ(link.NowUs(), start + 2000 + 1000 + 8000 + 30'000);
}

TEST(SimulatedLink, QueueClearDropsArrivedBytesButNotThoseStillOnTheWire) {
  VirtualRadio radio;
  SimulatedLink link(radio);
  ASSERT_TRUE(link.Open("COM1"));
  for (std::uint8_t b : kWakeUpFrame) link.Write(std::span(&b, 1));
  link.QueueClear();  // the 06 is still 1 ms away
  std::uint8_t byte = 0;
  std::size_t count = 0;
  EXPECT_TRUE(link.Read(std::span(&byte, 1), count));
  EXPECT_EQ(count, 1u);

  const std::uint8_t identify[] = {'M', 0x02};
  link.Write(identify);
  link.SleepMs(5);
  link.FullClear();
  EXPECT_TRUE(link.Read(std::span(&byte, 1), count));
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(link.SleptUs(), 5000);
}

TEST(SimulatedLink, BusyPortDoesNotOpenAndAClosedPortFailsReadsAndWrites) {
  VirtualRadio radio;
  SimulatedLink link(radio, SimulatedLinkOptions{.openFails = true});
  EXPECT_FALSE(link.Open("COM1"));
  std::uint8_t byte = 0x02;
  std::size_t count = 0;
  EXPECT_FALSE(link.Write(std::span(&byte, 1)));
  EXPECT_FALSE(link.Read(std::span(&byte, 1), count));
  EXPECT_TRUE(radio.Frames().empty());

  link.Options().openFails = false;
  EXPECT_TRUE(link.Open("COM1"));
  EXPECT_FALSE(link.Open("COM1"));  // exclusive
  link.Close();
  EXPECT_FALSE(link.IsOpen());
}

}  // namespace
}  // namespace radio
