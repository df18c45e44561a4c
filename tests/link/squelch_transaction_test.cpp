// The squelch tuning transactions against the in-process virtual radio, in
// virtual time, and the load/store rules of the four squelch fields.
#include "link/squelch_transaction.h"

#include <gtest/gtest.h>

#include "link/link_trace.h"
#include "link/recording_ui.h"
#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"

namespace radio {
namespace {

using test::RecordingUi;
using test::Trace;
using Kind = RadioFrame::Kind;

constexpr std::size_t kSquelchRadio = 0x0FF6;
constexpr std::size_t kSquelchImage = 0x17EE;

std::vector<std::string> ConnectTrace() {
  std::vector<std::string> want = {"open", "config", "full"};
  for (const char* byte : {"02", "50", "52", "4F", "47", "52", "41"})
    want.insert(want.end(), {"sleep2", std::string("w:") + byte});
  want.insert(want.end(),
              {"r1:06", "sleep1", "clear", "w:4D02", "r8=8", "clear", "w:06", "sleep1", "r1:06"});
  return want;
}

// A link that cuts every answer of `requested` bytes down to `keep` bytes,
// as a radio switched off mid-answer would.
class ShortAnswerLink : public SerialLink {
 public:
  ShortAnswerLink(SimulatedLink& inner, std::size_t requested, std::size_t keep)
      : inner_(inner), requested_(requested), keep_(keep) {}
  bool Open(const std::string& name) override { return inner_.Open(name); }
  void Configure() override { inner_.Configure(); }
  void FullClear() override { inner_.FullClear(); }
  void QueueClear() override { inner_.QueueClear(); }
  bool Write(std::span<const std::uint8_t> bytes) override { return inner_.Write(bytes); }
  bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
    const bool ok = inner_.Read(buffer, count);
    if (buffer.size() == requested_) count = std::min(count, keep_);
    return ok;
  }
  void Close() override { inner_.Close(); }

 private:
  SimulatedLink& inner_;
  std::size_t requested_;
  std::size_t keep_;
};

class SquelchTransactionTest : public ::testing::Test {
 protected:
  SquelchTransactionTest() {
    BandLimitBytes band = kDefaultBandLimitBytes;
    image = MakeNewImage(band);
    const std::uint8_t values[] = {0x11, 0x22, 0x33, 0x44};
    std::copy(std::begin(values), std::end(values), radio.Memory().begin() + kSquelchRadio);
  }

  CloneOutcome Read() {
    before = image;
    radioBefore = radio.Memory();
    return RunSquelchRead(link, link, ui, image, "COM1", Language::English);
  }
  CloneOutcome Write(const SquelchSelections& s) {
    before = image;
    radioBefore = radio.Memory();
    return RunSquelchWrite(link, link, ui, image, s, "COM1", Language::English);
  }
  std::vector<std::uint8_t> ImageSquelch() const {
    return {image.begin() + kSquelchImage, image.begin() + kSquelchImage + 4};
  }
  std::vector<std::uint8_t> RadioSquelch() const {
    return {radio.Memory().begin() + kSquelchRadio, radio.Memory().begin() + kSquelchRadio + 4};
  }
  std::size_t CountFrames(Kind kind) const {
    return static_cast<std::size_t>(
        std::count_if(radio.Frames().begin(), radio.Frames().end(),
                      [kind](const RadioFrame& f) { return f.kind == kind; }));
  }

  VirtualRadio radio;
  SimulatedLink link{radio};
  RecordingUi ui;
  RadioImage image{};
  RadioImage before{};
  RadioMemory radioBefore{};
};

TEST_F(SquelchTransactionTest, ReadSendsItsFrameAndCopiesTheFourBytesWithoutAcknowledge) {
  EXPECT_EQ(Read(), CloneOutcome::Ok);
  std::vector<std::string> want = ConnectTrace();
  want.insert(want.end(), {"clear", "w:520FF604", "sleep1", "r8=8", "close"});
  EXPECT_EQ(Trace(link), want);
  EXPECT_EQ(ImageSquelch(), (std::vector<std::uint8_t>{0x11, 0x22, 0x33, 0x44}));
  RadioImage expected = before;
  std::copy_n(radio.Memory().begin() + kSquelchRadio, 4, expected.begin() + kSquelchImage);
  EXPECT_EQ(image, expected);  // nothing else moves
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ReadSuccessfully});
  EXPECT_EQ(ui.pumps, 0);
  EXPECT_TRUE(ui.statuses.empty());
  EXPECT_EQ(radio.Memory(), radioBefore);
}

TEST_F(SquelchTransactionTest, SuccessIsShownAfterThePortIsClosed) {
  std::vector<bool> openAtMessage;
  ui.onMessage = [&](MessageKind) { openAtMessage.push_back(link.IsOpen()); };
  Read();
  Write(LoadSquelchFields(image));
  EXPECT_EQ(openAtMessage, (std::vector<bool>{false, false}));
}

TEST_F(SquelchTransactionTest, WriteStoresTheSelectionsThenSendsThemInFieldOrder) {
  const SquelchSelections s = {-55, 54, 0, -1};
  EXPECT_EQ(Write(s), CloneOutcome::Ok);
  std::vector<std::string> want = ConnectTrace();
  want.insert(want.end(), {"clear", "w:570FF604", "sleep1", "w:0976403F", "r1:06", "close"});
  EXPECT_EQ(Trace(link), want);
  EXPECT_EQ(ImageSquelch(), (std::vector<std::uint8_t>{0x09, 0x76, 0x40, 0x3F}));
  EXPECT_EQ(RadioSquelch(), (std::vector<std::uint8_t>{0x09, 0x76, 0x40, 0x3F}));
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::WriteSuccessfully});
  // Only the four squelch bytes of the radio change.
  RadioMemory expected = radioBefore;
  std::copy_n(image.begin() + kSquelchImage, 4, expected.begin() + kSquelchRadio);
  EXPECT_EQ(radio.Memory(), expected);
}

TEST_F(SquelchTransactionTest, WriteKeepsAFieldWithoutSelectionAsStored) {
  image[kSquelchImage + 1] = 0x77;  // shown 55: no list item
  const SquelchSelections s = LoadSquelchFields(image);
  EXPECT_FALSE(s[1].has_value());
  EXPECT_EQ(Write(s), CloneOutcome::Ok);
  EXPECT_EQ(RadioSquelch(), (std::vector<std::uint8_t>{0x29, 0x77, 0x22, 0x1E}));
}

TEST_F(SquelchTransactionTest, WriteAnsweredWithoutAcknowledgeInterruptsWithTheImageUpdated) {
  radio.Faults().badAckAfterChunks = 0;
  bool openAtMessage = false;
  ui.onMessage = [&](MessageKind) { openAtMessage = link.IsOpen(); };
  EXPECT_EQ(Write({1, 2, 3, 4}), CloneOutcome::Interrupted);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
  EXPECT_TRUE(openAtMessage);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(ImageSquelch(), (std::vector<std::uint8_t>{65, 66, 67, 68}));
  EXPECT_EQ(radio.Memory(), radioBefore);
}

TEST_F(SquelchTransactionTest, WriteAnsweredWithSilenceInterrupts) {
  radio.Faults().silentAfterChunks = 0;
  EXPECT_EQ(Write({1, 2, 3, 4}), CloneOutcome::Interrupted);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
  EXPECT_EQ(ImageSquelch(), (std::vector<std::uint8_t>{65, 66, 67, 68}));
}

TEST_F(SquelchTransactionTest, MissingOrShortReadAnswerInterruptsAndLeavesTheImage) {
  radio.Faults().silentAfterChunks = 0;
  EXPECT_EQ(Read(), CloneOutcome::Interrupted);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
  EXPECT_EQ(image, before);
  EXPECT_FALSE(link.IsOpen());

  for (std::size_t keep : {1u, 4u, 7u}) {
    VirtualRadio fresh;
    SimulatedLink inner{fresh};
    ShortAnswerLink shortLink(inner, 8, keep);
    RecordingUi ui2;
    RadioImage img = image;
    EXPECT_EQ(RunSquelchRead(shortLink, inner, ui2, img, "COM1", Language::English),
              CloneOutcome::Interrupted)
        << keep;
    EXPECT_EQ(ui2.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
    EXPECT_EQ(img, image) << keep;
    EXPECT_FALSE(inner.IsOpen());
  }
}

TEST_F(SquelchTransactionTest, SilentRadioGetsFifteenAttemptsThenTheQuestion) {
  radio.Faults().noAnswer = true;
  std::int64_t askedAtUs = 0;
  ui.onQuestion = [&] { askedAtUs = link.NowUs(); };
  ui.retries = {true};
  EXPECT_EQ(Read(), CloneOutcome::CommunicationCancelled);
  EXPECT_EQ(ui.questions, 2);  // Retry starts another fifteen
  EXPECT_EQ(CountFrames(Kind::WakeUp), 30u);
  EXPECT_TRUE(ui.messages.empty());  // Cancel ends quietly
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(image, before);
  // No pump pauses: 7 x 2 ms, two empty one-byte reads of 190 ms, 2 ms after.
  EXPECT_EQ(askedAtUs, 30 * (14 + 190 + 190 + 2) * 1000);
}

TEST_F(SquelchTransactionTest, WriteIsNotSentWhenTheRadioNeverAnswers) {
  radio.Faults().noAnswer = true;
  EXPECT_EQ(Write({1, 2, 3, 4}), CloneOutcome::CommunicationCancelled);
  EXPECT_EQ(image, before);  // the fields are stored only once the radio is there
  EXPECT_EQ(CountFrames(Kind::Write), 0u);
}

TEST_F(SquelchTransactionTest, IdentifyFailureAsksUpToFiveAttemptsThenInterrupts) {
  radio.Faults().ignoreWakeUps = 4;  // identified on attempt 5: not above 5
  radio.Faults().missingIdentifyAcks = 1;
  ui.retries = {true};
  EXPECT_EQ(Read(), CloneOutcome::Ok);
  EXPECT_EQ(ui.questions, 1);
  EXPECT_EQ(ui.messages, std::vector<MessageKind>{MessageKind::ReadSuccessfully});

  VirtualRadio late;
  late.Faults().ignoreWakeUps = 5;  // identified on attempt 6
  late.Faults().missingIdentifyAcks = 1;
  SimulatedLink link2{late};
  RecordingUi ui2;
  bool openAtMessage = false;
  ui2.onMessage = [&](MessageKind) { openAtMessage = link2.IsOpen(); };
  RadioImage img = image;
  EXPECT_EQ(RunSquelchWrite(link2, link2, ui2, img, {1, 2, 3, 4}, "COM1", Language::English),
            CloneOutcome::Interrupted);
  EXPECT_EQ(ui2.questions, 0);
  EXPECT_EQ(ui2.messages, std::vector<MessageKind>{MessageKind::ProgramInterrupt});
  EXPECT_TRUE(openAtMessage);  // shown before the port closes
  EXPECT_FALSE(link2.IsOpen());
  EXPECT_EQ(img, image);
}

TEST_F(SquelchTransactionTest, BusyPortShowsTheOpenFailureAndChangesNothing) {
  link.Options().openFails = true;
  EXPECT_EQ(Read(), CloneOutcome::PortError);
  EXPECT_EQ(Write({1, 2, 3, 4}), CloneOutcome::PortError);
  EXPECT_EQ(ui.messages,
            (std::vector<MessageKind>{MessageKind::PortOpenFailed, MessageKind::PortOpenFailed}));
  EXPECT_TRUE(radio.Frames().empty());
  EXPECT_EQ(image, before);
}

// ---------------------------------------------------------------- fields

TEST(SquelchFields, NewImageShowsTheDefaults) {
  BandLimitBytes band = kDefaultBandLimitBytes;
  const SquelchSelections s = LoadSquelchFields(MakeNewImage(band));
  EXPECT_EQ(s, (SquelchSelections{-23, -25, -30, -34}));
}

TEST(SquelchFields, BytesOutsideTheValidRangeShowTheDefault) {
  for (std::uint8_t b : {0x00, 0x08, 0x78, 0xFF}) {
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(SquelchSelectionOfByte(b, kSquelchFields[i].defaultByte),
                kSquelchFields[i].defaultByte - 64)
          << int(b);
    }
  }
  EXPECT_EQ(SquelchSelectionOfByte(0x09, 0x29), -55);
  EXPECT_EQ(SquelchSelectionOfByte(0x76, 0x29), 54);
  EXPECT_EQ(SquelchSelectionOfByte(0x77, 0x29), std::nullopt);  // valid, but no item
}

TEST(SquelchFields, StoreWritesValuePlusSixtyFourAndKeepsUnselectedBytes) {
  RadioImage image{};
  image.fill(0xAB);
  image[0x17EF] = 0x77;
  EXPECT_TRUE(StoreSquelchFields(image, {54, std::nullopt, -55, 0}));
  EXPECT_EQ(image[0x17EE], 0x76);
  EXPECT_EQ(image[0x17EF], 0x77);  // kept, not replaced by the default
  EXPECT_EQ(image[0x17F0], 0x09);
  EXPECT_EQ(image[0x17F1], 0x40);
  EXPECT_EQ(image[0x17ED], 0xAB);
  EXPECT_EQ(image[0x17F2], 0xAB);
  // Storing what was loaded changes nothing.
  EXPECT_FALSE(StoreSquelchFields(image, LoadSquelchFields(image)));
  // An invalid byte loads as the default and stores as such.
  image[0x17F1] = 0x00;
  EXPECT_TRUE(StoreSquelchFields(image, LoadSquelchFields(image)));
  EXPECT_EQ(image[0x17F1], 0x1E);
}

TEST(SquelchFields, ListRunsFromMinusFiftyFiveToFiftyFour) {
  const auto items = SquelchListItems();
  ASSERT_EQ(items.size(), 110u);
  EXPECT_EQ(items.front(), "-55");
  EXPECT_EQ(items[55], "0");
  EXPECT_EQ(items.back(), "54");
}

}  // namespace
}  // namespace radio
