// The clone run against the in-process virtual radio, in virtual time.
#include "link/clone_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "image/bytes.h"
#include "link/link_trace.h"
#include "link/recording_ui.h"
#include "link/stopped_write.h"
#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"

namespace radio {
namespace {

using test::RecordingUi;
using test::Trace;
using Kind = RadioFrame::Kind;

RadioFrame Frame(Kind kind, std::uint16_t address = 0, std::uint8_t length = 0,
                 std::vector<std::uint8_t> data = {}) {
  return {kind, address, length, std::move(data)};
}
RadioFrame ReadFrame(std::uint16_t address) {
  return Frame(Kind::Read, address, 8);
}

// The frames of both connects and the info phase of a clean run.
std::vector<RadioFrame> CleanPrelude() {
  return {Frame(Kind::WakeUp), Frame(Kind::Identify), Frame(Kind::Ack), ReadFrame(0x0FD0),
          Frame(Kind::Ack),    ReadFrame(0x0FD8),     Frame(Kind::Ack), ReadFrame(0x0C70),
          Frame(Kind::WakeUp), Frame(Kind::Identify), Frame(Kind::Ack)};
}

class CloneEngineTest : public ::testing::Test {
 protected:
  CloneEngineTest() {
    // Every radio byte different from its neighbours, so a misplaced chunk shows.
    RadioMemory& m = radio.Memory();
    for (std::size_t a = 0; a < m.size(); ++a) m[a] = static_cast<std::uint8_t>(a * 7 + 3);
    m[kBandTypeAddress] = 0x03;
    SetRadioPassword(m, "");
  }

  CloneResult Run(CloneMode mode, Language lang = Language::English) {
    before = image;
    radioBefore = radio.Memory();
    return RunClone(link, link, ui, mode, image, "COM1", lang);
  }

  std::size_t CountFrames(Kind kind) const {
    return static_cast<std::size_t>(
        std::count_if(radio.Frames().begin(), radio.Frames().end(),
                      [kind](const RadioFrame& f) { return f.kind == kind; }));
  }

  // True when every image byte equals `radioBytes` where it has a radio address
  // below `limit` and the earlier image elsewhere.
  ::testing::AssertionResult ImageHoldsRadioUpTo(std::size_t limit) const {
    for (std::size_t off = 0; off < kImageSize; ++off) {
      const auto address = RadioAddressOfImageOffset(off);
      const std::uint8_t want = address && *address < limit ? radioBefore[*address] : before[off];
      if (off == 0x12AB) continue;  // refreshed from the radio by the info phase
      if (image[off] != want)
        return ::testing::AssertionFailure() << "image offset 0x" << std::hex << off;
    }
    return ::testing::AssertionSuccess();
  }

  BandLimitBytes band = kDefaultBandLimitBytes;
  RadioImage image = MakeNewImage(band);
  RadioImage before{};
  RadioMemory radioBefore{};
  VirtualRadio radio;
  SimulatedLink link{radio};
  RecordingUi ui;
};

// --- Clean runs ---

TEST_F(CloneEngineTest, ReadMovesTheWholeRadioIntoBothTransferAreasOnly) {
  // Marks on the bytes a read must never touch.
  for (std::size_t off = kLowerAreaEnd; off < BlockOffset(kUpperFirstBlock); ++off)
    image[off] = 0x5A;
  for (std::size_t block = kUpperFirstBlock; block < kBlockCount; ++block)
    for (std::size_t b = 16; b < 24; ++b) image[BlockOffset(block, b)] = 0xA5;

  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::Ok);
  EXPECT_EQ(r.stage, CloneStage::Finished);
  EXPECT_EQ(r.chunks, kReadChunks);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_TRUE(ImageHoldsRadioUpTo(kRadioMemorySize));
  EXPECT_TRUE(
      std::equal(image.begin() + 0x1248, image.begin() + 0x1258, radioBefore.begin() + 0x0C30));
  EXPECT_TRUE(
      std::equal(image.begin() + 0x17E8, image.begin() + 0x17F8, radioBefore.begin() + 0x0FF0));
  EXPECT_EQ(image[0x0C30], 0x5A);
  EXPECT_EQ(image[0x1247], 0x5A);
  EXPECT_EQ(image[BlockOffset(255, 23)], 0xA5);

  std::vector<RadioFrame> expected = CleanPrelude();
  expected.push_back(ReadFrame(0x0FE0));
  expected.push_back(Frame(Kind::Ack));
  for (std::uint16_t a = 0; a < kRadioMemorySize; a += 8) {
    expected.push_back(ReadFrame(a));
    expected.push_back(Frame(Kind::Ack));
  }
  EXPECT_EQ(radio.Frames(), expected);
}

TEST_F(CloneEngineTest, WriteSkipsTheIdentificationRowAndTheLastBlockThenSetsBandType) {
  for (std::size_t off = 0; off < kImageSize; ++off)
    image[off] = static_cast<std::uint8_t>(off * 13 + 1);
  radio.Memory()[kBandTypeAddress] = 0x04;

  const CloneResult r = Run(CloneMode::Write);
  EXPECT_EQ(r.outcome, CloneOutcome::Ok);
  EXPECT_EQ(r.chunks, kWriteChunks);
  EXPECT_FALSE(link.IsOpen());

  const RadioMemory& m = radio.Memory();
  for (std::size_t a = 0; a < kRadioMemorySize; ++a) {
    const bool skipped = (a >= 0x0FD0 && a < 0x0FE0) || a >= 0x0FF0;
    const std::uint8_t want = a == kBandTypeAddress ? 0x03
                              : skipped             ? radioBefore[a]
                                                    : image[*ImageOffsetOfRadioAddress(a)];
    ASSERT_EQ(m[a], want) << "radio address " << a;
  }

  std::vector<RadioFrame> expected = CleanPrelude();
  for (std::size_t a = 0; a < 0x0FF0; a += 8) {
    if (a >= 0x0FD0 && a < 0x0FE0) continue;
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < 8; ++i) data.push_back(image[*ImageOffsetOfRadioAddress(a + i)]);
    expected.push_back(Frame(Kind::Write, static_cast<std::uint16_t>(a), 8, data));
  }
  expected.push_back(Frame(Kind::Write, 0x0FD1, 1, {0x03}));
  EXPECT_EQ(radio.Frames(), expected);
}

// A cable that holds each answer 16 ms (an adapter's latency timer) is
// told after the run, with the time it cost; one that answers at wire
// speed is not.
TEST_F(CloneEngineTest, AnswersHeldByTheCableAreMeasuredBeyondTheirWireTime) {
  link.Options().byteTimeUs = kByteWireUs;
  link.Options().answerLatencyUs = 16'000;
  const CloneResult read = Run(CloneMode::Read);
  ASSERT_EQ(read.outcome, CloneOutcome::Ok);
  EXPECT_EQ(read.delays.MedianUs(), 16'000);
  EXPECT_EQ(read.delays.runUs, link.NowUs());
  // Every chunk's answer and acknowledge lost the 16 ms.
  EXPECT_EQ(read.delays.RunWithoutDelayUs(), read.delays.runUs - 2 * kReadChunks * 16'000);
  const auto readHint = SlowCableHint(read.delays, false, Language::English);
  ASSERT_TRUE(readHint);
  EXPECT_NE(readHint->find("The cable added about 16 ms to each answer; this read took "),
            std::string::npos)
      << *readHint;
  EXPECT_NE(readHint->find("see README, 'Slow transfers'"), std::string::npos);

  const CloneResult write = Run(CloneMode::Write);
  ASSERT_EQ(write.outcome, CloneOutcome::Ok);
  const auto writeHint = SlowCableHint(write.delays, true, Language::Chinese);
  ASSERT_TRUE(writeHint);
  EXPECT_NE(writeHint->find("约 16 毫秒；本次写入用了"), std::string::npos) << *writeHint;

  link.Options().answerLatencyUs = 1'000;
  const CloneResult quick = Run(CloneMode::Read);
  ASSERT_EQ(quick.outcome, CloneOutcome::Ok);
  EXPECT_EQ(quick.delays.MedianUs(), 1'000);
  EXPECT_FALSE(SlowCableHint(quick.delays, false, Language::English));
}

TEST_F(CloneEngineTest, ProgressCountsEveryBlockWithItsNumberAsStatus) {
  Run(CloneMode::Read);
  ASSERT_EQ(ui.steps.size(), static_cast<std::size_t>(kReadProgressSteps));
  for (int i = 0; i < kReadProgressSteps; ++i) EXPECT_EQ(ui.steps[i], i + 1);
  EXPECT_EQ(ui.statuses.back(), "191");

  RecordingUi writeUi;
  SimulatedLink writeLink{radio};
  const CloneResult w =
      RunClone(writeLink, writeLink, writeUi, CloneMode::Write, image, "COM1", Language::English);
  EXPECT_EQ(w.progress, kWriteProgressSteps);
  ASSERT_EQ(writeUi.steps.size(), static_cast<std::size_t>(kWriteProgressSteps));
  EXPECT_EQ(writeUi.steps.back(), 189);
  EXPECT_EQ(writeUi.statuses.back(), "189");
}

TEST_F(CloneEngineTest, OptionBitThreeComesFromTheRadioAndTheOtherBitsStay) {
  image[0x12AB] = 0xF7;           // bit 3 clear, all others set
  radio.Memory()[0x0C73] = 0x08;  // bit 3 set, all others clear
  Run(CloneMode::Write);
  EXPECT_EQ(image[0x12AB], 0xFF);
  EXPECT_EQ(radio.Memory()[0x0C73], 0xFF);  // and the write sends the refreshed byte

  image[0x12AB] = 0x08;
  radio.Memory()[0x0C73] = 0xF7;
  SimulatedLink again{radio};
  RecordingUi ui2;
  ui2.cancelWhen = [](int pump) { return pump == 7; };  // stop before the second wake-up
  const CloneResult r =
      RunClone(again, again, ui2, CloneMode::Write, image, "COM1", Language::English);
  EXPECT_TRUE(r.optionBitRefreshed);
  EXPECT_EQ(image[0x12AB], 0x00);
}

// --- Exact order of clears, pauses and frames ---

TEST_F(CloneEngineTest, ConnectAndInfoPhaseKeepTheirClearsAndPauses) {
  Run(CloneMode::Read);
  std::vector<std::string> want = {"open", "config"};
  for (int i = 0; i < 6; ++i) want.push_back("sleep1");
  want.push_back("full");
  for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"}) {
    want.insert(want.end(), {"sleep2", "clear", std::string("w:") + byte});
  }
  want.insert(want.end(), {"r1:06", "sleep1", "clear", "w:4D02", "r8=8", "clear", "w:06", "clear",
                           "sleep1", "r1:06"});
  want.insert(want.end(), {"clear", "w:520FD008", "r12=12", "sleep1", "clear", "w:06", "r1:06",
                           "clear", "w:520FD808", "r12=12", "sleep1", "clear", "w:06", "r1:06",
                           "clear", "w:520C7008", "r12=12"});
  EXPECT_EQ(Trace(link, 0, want.size()), want);
}

TEST_F(CloneEngineTest, ReadPausesOnlyInTheLowerArea) {
  Run(CloneMode::Read);
  const auto trace = Trace(link);
  const auto at = [&](const std::string& s) {
    return static_cast<std::size_t>(std::find(trace.begin(), trace.end(), s) - trace.begin());
  };
  const std::size_t password = at("w:520FE008");
  const std::vector<std::string> lower = {
      "w:520FE008", "r12=12", "w:06",  "r1:06",  "clear",     "w:52000008", "r12=12", "sleep1",
      "clear",      "w:06",   "r1:06", "sleep1", "clear",     "w:52000808", "r12=12", "sleep1",
      "clear",      "w:06",   "r1:06", "sleep1", "clear",     "w:52001008", "r12=12", "sleep1",
      "clear",      "w:06",   "r1:06", "clear",  "w:52001808"};
  EXPECT_EQ(std::vector<std::string>(
                trace.begin() + static_cast<std::ptrdiff_t>(password),
                trace.begin() + static_cast<std::ptrdiff_t>(password + lower.size())),
            lower);
  const std::size_t upper = at("w:520C3008");
  const std::vector<std::string> upperWant = {
      "w:520C3008", "r12=12", "clear", "w:06",  "r1:06", "clear",     "w:520C3808",
      "r12=12",     "clear",  "w:06",  "r1:06", "clear", "w:520C4008"};
  EXPECT_EQ(std::vector<std::string>(
                trace.begin() + static_cast<std::ptrdiff_t>(upper),
                trace.begin() + static_cast<std::ptrdiff_t>(upper + upperWant.size())),
            upperWant);
  // Two connects of 22 ms, two info acknowledges, five pauses per lower block.
  EXPECT_EQ(link.SleptUs(), (44 + 2 + 130 * 5) * 1000);
  EXPECT_EQ(trace.back(), "close");
}

TEST_F(CloneEngineTest, WriteChunksPauseOneMillisecondBeforeTheirData) {
  Run(CloneMode::Write);
  const auto trace = Trace(link);
  const auto first = std::find(trace.begin(), trace.end(), "w:57000008");
  ASSERT_NE(first, trace.end());
  EXPECT_EQ(*(first - 1), "clear");
  EXPECT_EQ(*(first + 1), "sleep1");
  EXPECT_EQ(*(first + 3), "r1:06");
  const std::vector<std::string> tail = {"clear", "w:570FD101", "sleep1", "w:03", "r1:06", "close"};
  EXPECT_EQ(std::vector<std::string>(trace.end() - 6, trace.end()), tail);
  EXPECT_EQ(link.SleptUs(), (44 + 2 + 508 + 1) * 1000);
}

// --- Connect attempts ---

TEST_F(CloneEngineTest, WakeUpAnsweredOnTheSecondAttemptStillWakesAgainAfterInfo) {
  radio.Faults().ignoreWakeUps = 1;
  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::Ok);
  EXPECT_EQ(CountFrames(Kind::WakeUp), 3u);
  EXPECT_EQ(CountFrames(Kind::Identify), 2u);
  const auto& f = radio.Frames();
  EXPECT_EQ(f[0].kind, Kind::WakeUp);
  EXPECT_EQ(f[1].kind, Kind::WakeUp);
  EXPECT_EQ(f[9].kind, Kind::WakeUp);  // after the info phase, before any block
  EXPECT_EQ(
      std::count(ui.statuses.begin(), ui.statuses.end(), "Waiting the response from radio...."), 3);
}

TEST_F(CloneEngineTest, OneNoiseByteBeforeTheAcknowledgeIsAcceptedTwoAreNot) {
  radio.Faults().noiseBeforeWakeUpAck = 1;
  EXPECT_EQ(Run(CloneMode::Read).outcome, CloneOutcome::Ok);

  VirtualRadio noisy;
  noisy.Faults().noiseBeforeWakeUpAck = 2;
  SimulatedLink noisyLink{noisy};
  RecordingUi noisyUi;
  const CloneResult r =
      RunClone(noisyLink, noisyLink, noisyUi, CloneMode::Read, image, "COM1", Language::English);
  EXPECT_EQ(r.outcome, CloneOutcome::CommunicationCancelled);
  EXPECT_EQ(noisyUi.questions, 1);
}

TEST_F(CloneEngineTest, SilentRadioGetsFifteenAttemptsThenTheQuestion) {
  radio.Faults().noAnswer = true;
  std::int64_t askedAtUs = 0;
  ui.onQuestion = [&] { askedAtUs = link.NowUs(); };
  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::CommunicationCancelled);
  EXPECT_EQ(ui.questions, 1);
  EXPECT_EQ(CountFrames(Kind::WakeUp), 15u);
  EXPECT_TRUE(ui.messages.empty());  // Cancel ends quietly
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(image, before);
  // Each attempt: 6 pump pauses, 7 x 2 ms, two empty one-byte reads of
  // 190 ms, and 2 ms after it.
  EXPECT_EQ(askedAtUs, 15 * (6 + 14 + 190 + 190 + 2) * 1000);
}

TEST_F(CloneEngineTest, RetryStartsAnotherFifteenAttempts) {
  radio.Faults().noAnswer = true;
  ui.retries = {true};
  EXPECT_EQ(Run(CloneMode::Read).outcome, CloneOutcome::CommunicationCancelled);
  EXPECT_EQ(ui.questions, 2);
  EXPECT_EQ(CountFrames(Kind::WakeUp), 30u);
}

TEST_F(CloneEngineTest, RetryAfterTheRadioIsSwitchedOnSucceeds) {
  radio.Faults().noAnswer = true;
  ui.retries = {true};
  ui.onQuestion = [&] { radio.Faults().noAnswer = false; };
  EXPECT_EQ(Run(CloneMode::Read).outcome, CloneOutcome::Ok);
  EXPECT_EQ(CountFrames(Kind::WakeUp), 17u);
}

TEST_F(CloneEngineTest, MissingIdentifyAcknowledgeAsksWhileFewAttemptsWereUsed) {
  radio.Faults().ignoreWakeUps = 4;  // identified on attempt 5: not above 5
  radio.Faults().missingIdentifyAcks = 1;
  ui.retries = {true};
  EXPECT_EQ(Run(CloneMode::Read).outcome, CloneOutcome::Ok);
  EXPECT_EQ(ui.questions, 1);
  EXPECT_TRUE(ui.messages.empty());

  VirtualRadio refusing;
  refusing.Faults().missingIdentifyAcks = 1;
  SimulatedLink link2{refusing};
  RecordingUi cancelling;  // answers Cancel
  EXPECT_EQ(
      RunClone(link2, link2, cancelling, CloneMode::Read, image, "COM1", Language::English).outcome,
      CloneOutcome::CommunicationCancelled);
  EXPECT_EQ(cancelling.questions, 1);
  EXPECT_TRUE(cancelling.messages.empty());
}

TEST_F(CloneEngineTest, MissingIdentifyAcknowledgeAfterMoreThanFiveAttemptsInterrupts) {
  radio.Faults().ignoreWakeUps = 5;  // identified on attempt 6
  radio.Faults().missingIdentifyAcks = 1;
  bool openAtMessage = false;
  ui.onMessage = [&](MessageKind) { openAtMessage = link.IsOpen(); };
  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::Interrupted);
  EXPECT_EQ(ui.questions, 0);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
  EXPECT_TRUE(openAtMessage);
  EXPECT_FALSE(link.IsOpen());
}

TEST_F(CloneEngineTest, BusyPortShowsTheOpenFailureAndSendsNothing) {
  link.Options().openFails = true;
  const CloneResult r = Run(CloneMode::Write);
  EXPECT_EQ(r.outcome, CloneOutcome::PortError);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::PortOpenFailed});
  EXPECT_TRUE(radio.Frames().empty());
  EXPECT_EQ(radio.Memory(), radioBefore);
}

TEST_F(CloneEngineTest, ChineseStatusWhileWaiting) {
  radio.Faults().noAnswer = true;
  Run(CloneMode::Read, Language::Chinese);
  ASSERT_FALSE(ui.statuses.empty());
  EXPECT_EQ(ui.statuses.front(), "请等待对机讲响应....");
}

// --- Band type and password ---

class BandTypeTest : public CloneEngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(BandTypeTest, OnlyBandTypesOneTwoAndFiveAreRefusedInBothModes) {
  const int bandType = GetParam();
  const bool refused = bandType == 1 || bandType == 2 || bandType == 5;
  for (CloneMode mode : {CloneMode::Read, CloneMode::Write}) {
    VirtualRadio r;
    r.Memory()[kBandTypeAddress] = static_cast<std::uint8_t>(bandType);
    SimulatedLink l{r};
    RecordingUi u;
    bool openAtMessage = true;
    u.onMessage = [&](MessageKind) { openAtMessage = l.IsOpen(); };
    RadioImage copy = image;
    const CloneResult result = RunClone(l, l, u, mode, copy, "COM1", Language::English);
    EXPECT_EQ(result.outcome, refused ? CloneOutcome::BandTypeError : CloneOutcome::Ok);
    EXPECT_FALSE(l.IsOpen());
    if (refused) {
      EXPECT_EQ(u.messages, std::vector<MessageKind>{MessageKind::BandTypeError});
      EXPECT_FALSE(openAtMessage);  // the port is closed before the message
      EXPECT_EQ(copy, image);
      EXPECT_EQ(r.Frames().back(), Frame(Kind::Ack));  // nothing after the identification row
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, BandTypeTest, ::testing::Values(0, 1, 2, 3, 4, 5, 6, 255));

TEST_F(CloneEngineTest, DifferentPasswordRefusesTheReadBeforeAnyBlock) {
  SetRadioPassword(radio.Memory(), "123456");
  WriteTextField(std::span<std::uint8_t>(image.data() + 0x17D2, 6), "123455");
  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::PasswordError);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::PasswordError});
  EXPECT_EQ(radio.Frames().back(), ReadFrame(0x0FE0));
  EXPECT_TRUE(ImageHoldsRadioUpTo(0));
  EXPECT_FALSE(link.IsOpen());
}

TEST_F(CloneEngineTest, EqualPasswordReadsAndWriteIgnoresIt) {
  SetRadioPassword(radio.Memory(), "123456");
  WriteTextField(std::span<std::uint8_t>(image.data() + 0x17D2, 6), "123456");
  EXPECT_EQ(Run(CloneMode::Read).outcome, CloneOutcome::Ok);

  SetRadioPassword(radio.Memory(), "999");
  SimulatedLink l{radio};
  RecordingUi u;
  WriteTextField(std::span<std::uint8_t>(image.data() + 0x17D2, 6), "");
  EXPECT_EQ(RunClone(l, l, u, CloneMode::Write, image, "COM1", Language::English).outcome,
            CloneOutcome::Ok);
}

TEST_F(CloneEngineTest, SilenceAtThePasswordCheckIsAnInterruptionNotAPasswordError) {
  radio.Faults().silentAfterChunks = 3;  // the three info reads only
  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::Interrupted);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
}

TEST_F(CloneEngineTest, ShortPasswordAnswerIsAnInterruptionEvenWithTheRightPassword) {
  // Half the answer carries the (matching) password bytes; the rest never comes.
  radio.Faults().shortAnswerAtChunk = 3;
  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::Interrupted);
  EXPECT_EQ(r.chunks, 0);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
}

// --- Faults in the middle of a transfer ---

TEST_F(CloneEngineTest, RadioSilentMidReadKeepsTheChunksReadSoFar) {
  radio.Faults().silentAfterChunks = 4 + 100;  // info reads and password, then 100 chunks
  bool openAtMessage = false;
  ui.onMessage = [&](MessageKind) { openAtMessage = link.IsOpen(); };
  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::Interrupted);
  EXPECT_EQ(r.stage, CloneStage::Transfer);
  EXPECT_EQ(r.chunks, 100);
  EXPECT_EQ(r.progress, 33);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
  EXPECT_TRUE(openAtMessage);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_TRUE(ImageHoldsRadioUpTo(800));
}

TEST_F(CloneEngineTest, WrongAcknowledgeMidReadStopsAfterCopyingThatChunk) {
  radio.Faults().badAckAfterChunks = 4 + 200;
  const CloneResult r = Run(CloneMode::Read);
  EXPECT_EQ(r.outcome, CloneOutcome::Interrupted);
  EXPECT_EQ(r.chunks, 200);
  EXPECT_TRUE(ImageHoldsRadioUpTo(201 * 8));  // the unacknowledged chunk was copied first
  EXPECT_FALSE(link.IsOpen());
}

TEST_F(CloneEngineTest, FaultsMidWriteStopBeforeTheBandTypeIsSet) {
  for (const bool silent : {true, false}) {
    VirtualRadio r;
    r.Memory()[kBandTypeAddress] = 0x00;
    (silent ? r.Faults().silentAfterChunks : r.Faults().badAckAfterChunks) = 3 + 50;
    const RadioMemory old = r.Memory();
    SimulatedLink l{r};
    RecordingUi u;
    RadioImage copy = image;
    const CloneResult result = RunClone(l, l, u, CloneMode::Write, copy, "COM1", Language::English);
    EXPECT_EQ(result.outcome, CloneOutcome::Interrupted);
    EXPECT_EQ(result.chunks, 50);
    EXPECT_EQ(u.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
    EXPECT_FALSE(l.IsOpen());
    for (std::size_t a = 0; a < kRadioMemorySize; ++a)
      ASSERT_EQ(r.Memory()[a], a < 400 ? copy[a] : old[a]) << a;
  }
}

// --- Cancel at the pump points ---

TEST_F(CloneEngineTest, CancelBeforeTheFirstWakeUpSendsNothing) {
  ui.cancelWhen = [](int pump) { return pump == 3; };
  const CloneResult r = Run(CloneMode::Write);
  EXPECT_EQ(r.outcome, CloneOutcome::CancelledByUser);
  EXPECT_TRUE(radio.Frames().empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Trace(link), (std::vector<std::string>{"open", "config", "sleep1", "sleep1", "close"}));
}

TEST_F(CloneEngineTest, CancelAtBlockPumpsEndsAtTheBlockBoundary) {
  struct Case {
    CloneMode mode;
    std::size_t cancelAfterSteps;
    int chunks;
  };
  for (const Case& c : {Case{CloneMode::Read, 10, 30}, Case{CloneMode::Read, 140, 410},
                        Case{CloneMode::Write, 3, 9}, Case{CloneMode::Write, 135, 400}}) {
    VirtualRadio r;
    SimulatedLink l{r};
    RecordingUi u;
    u.cancelWhen = [&](int) { return u.steps.size() == c.cancelAfterSteps; };
    RadioImage copy = image;
    const CloneResult result = RunClone(l, l, u, c.mode, copy, "COM1", Language::English);
    EXPECT_EQ(result.outcome, CloneOutcome::CancelledByUser);
    EXPECT_EQ(result.chunks, c.chunks);
    EXPECT_EQ(result.progress, static_cast<int>(c.cancelAfterSteps));
    EXPECT_TRUE(u.messages.empty());
    EXPECT_FALSE(l.IsOpen());
    EXPECT_EQ(Trace(l).back(), "close");
  }
}

// A write that stops after its first chunk has reached the radio must say
// so, with how far it got; a read, a finished write and a write stopped
// before its transfer leave no such radio.
TEST_F(CloneEngineTest, OnlyAWriteStoppedInItsTransferLeavesTheRadioPartlyWritten) {
  struct Case {
    CloneMode mode;
    int cancelAfterSteps;  // -1: never; 0: at the first connect pump
    int silentAfterChunks;
    bool partly;
    int percent;
  };
  for (const Case& c :
       {Case{CloneMode::Write, 135, -1, true, 71}, Case{CloneMode::Write, -1, 3 + 1, true, 0},
        Case{CloneMode::Write, 188, -1, true, 99}, Case{CloneMode::Write, 0, -1, false, 0},
        Case{CloneMode::Write, -1, -1, false, 0}, Case{CloneMode::Read, 140, -1, false, 0}}) {
    VirtualRadio r;
    r.Faults().silentAfterChunks = c.silentAfterChunks;
    SimulatedLink l{r};
    RecordingUi u;
    u.cancelWhen = [&](int) { return static_cast<int>(u.steps.size()) == c.cancelAfterSteps; };
    RadioImage copy = image;
    const CloneResult result = RunClone(l, l, u, c.mode, copy, "COM1", Language::English);
    SCOPED_TRACE(c.cancelAfterSteps);
    EXPECT_EQ(LeftRadioPartlyWritten(result), c.partly);
    if (!c.partly) continue;
    EXPECT_EQ(WriteStoppedPercent(result), c.percent);
    EXPECT_EQ(WriteStoppedText(result, Language::English),
              "Write stopped at " + std::to_string(c.percent) +
                  " %: the radio holds part of the new data. Write it again before using the "
                  "radio.");
    EXPECT_EQ(WriteStoppedText(result, Language::Chinese),
              "写入在 " + std::to_string(c.percent) +
                  " % 处中断：对讲机中只有部分新数据。使用对讲机前请重新写入。");
  }
}

// --- Direction ---

TEST_F(CloneEngineTest, DirectionIsTakenOnceWhenTheTransferStarts) {
  CloneMode current = CloneMode::Read;
  int asked = 0;
  std::size_t framesWhenAsked = 0;
  ui.cancelWhen = [&](int pump) {
    if (pump == 2) current = CloneMode::Write;  // changed while connecting
    return false;
  };
  const CloneResult r = RunClone(
      link, link, ui,
      [&] {
        ++asked;
        framesWhenAsked = radio.Frames().size();
        return current;
      },
      image, "COM1", Language::English);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(framesWhenAsked, CleanPrelude().size());
  EXPECT_EQ(r.mode, CloneMode::Write);
  EXPECT_EQ(CountFrames(Kind::Write), static_cast<std::size_t>(kWriteChunks + 1));
}

// --- The connect step as the squelch transaction uses it ---

TEST_F(CloneEngineTest, SquelchConnectNeitherPumpsNorClearsBeforeWakeUpBytes) {
  link.Open("COM1");
  int attempt = 1;
  EXPECT_EQ(ConnectAndIdentify(link, link, ui, kSquelchConnect, attempt, Language::English),
            ConnectResult::Identified);
  EXPECT_EQ(ui.pumps, 0);
  EXPECT_TRUE(ui.statuses.empty());
  std::vector<std::string> want = {"open", "full"};
  for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"})
    want.insert(want.end(), {"sleep2", std::string("w:") + byte});
  want.insert(want.end(),
              {"r1:06", "sleep1", "clear", "w:4D02", "r8=8", "clear", "w:06", "sleep1", "r1:06"});
  EXPECT_EQ(Trace(link), want);
}

TEST_F(CloneEngineTest, ConnectCarriesTheAttemptCounterAcrossCalls) {
  radio.Faults().ignoreWakeUps = 3;
  radio.Faults().missingIdentifyAcks = 2;
  link.Open("COM1");
  int attempt = 3;  // two attempts already used by an earlier call
  // Identified on attempt 6 with the acknowledge missing: final.
  EXPECT_EQ(ConnectAndIdentify(link, link, ui, kCloneConnect, attempt, Language::English),
            ConnectResult::IdentifyFailed);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
  EXPECT_EQ(ui.questions, 0);
}

// --- A radio that answers garbage ---

// Answers reads with random bytes, now and then too few or none; one-byte
// reads mostly get 06 so that runs reach every phase.
class GarbageLink : public SerialLink, public Clock {
 public:
  explicit GarbageLink(unsigned seed) : random_(seed) {}
  bool Open(const std::string&) override { return open_ = true; }
  void Configure() override {}
  void FullClear() override {}
  void QueueClear() override {}
  bool Write(std::span<const std::uint8_t>) override { return open_; }
  bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
    count = std::uniform_int_distribution<std::size_t>(0, buffer.size())(random_);
    if (random_() % 300 != 0) count = buffer.size();
    for (std::size_t i = 0; i < count; ++i)
      buffer[i] =
          buffer.size() == 1 && random_() % 300 != 0 ? kAck : static_cast<std::uint8_t>(random_());
    return random_() % 1000 != 0;
  }
  void Close() override { open_ = false; }
  void SleepMs(int) override {}
  bool open_ = false;

 private:
  std::mt19937 random_;
};

TEST(CloneEngineGarbage, AnyAnswersEndTheRunWithThePortClosed) {
  for (unsigned seed = 0; seed < 300; ++seed) {
    GarbageLink link(seed);
    RecordingUi ui;
    ui.retries = {true, true};
    BandLimitBytes band = kDefaultBandLimitBytes;
    RadioImage image = MakeNewImage(band);
    const CloneMode mode = seed % 2 ? CloneMode::Read : CloneMode::Write;
    const CloneResult r = RunClone(link, link, ui, mode, image, "COM1", Language::English);
    EXPECT_FALSE(link.open_) << seed;
    EXPECT_NE(r.outcome, CloneOutcome::PortError);
    EXPECT_LE(r.chunks, kReadChunks);
    EXPECT_LE(ui.messages.size(), 1u);
  }
}

}  // namespace
}  // namespace radio
