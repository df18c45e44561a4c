// Looking for the radio, in virtual time: the cost of a silent port, the
// order ports are tried in, and a search the user stops.
#include "link/radio_finder.h"

#include <gtest/gtest.h>

#include "sim/simulated_link.h"
#include "sim/virtual_radio.h"

namespace radio {
namespace {

const std::function<bool()> never = [] { return false; };

TEST(RadioFinder, UsbSerialCablesComeFirstAndKeepTheirOrder) {
  const std::vector<FindPort> ports = {{"COM13", "/dev/ttyS0"},
                                       {"COM3", "/dev/serial/by-id/usb-FTDI_cable-if00"},
                                       {"COM14", "/tmp/radio"},
                                       {"COM9", "/dev/ttyACM0"},
                                       {"COM1", "/dev/ttyUSB0"}};
  std::vector<std::string> order;
  for (const FindPort& p : UsbSerialFirst(ports)) order.push_back(p.name);
  EXPECT_EQ(order, (std::vector<std::string>{"COM3", "COM9", "COM1", "COM13", "COM14"}));
}

TEST(RadioFinder, ASilentPortCostsAboutTwoSeconds) {
  VirtualRadio radio(MakePlausibleRadioMemory(), {.noAnswer = true});
  SimulatedLink link(radio);
  const FindReport report = FindRadio(
      link, link, never, {{"COM1", "/dev/ttyUSB0"}, {"COM2", "/dev/ttyUSB1"}}, Language::English);
  EXPECT_EQ(report.outcome, FindOutcome::NotFound);
  ASSERT_EQ(report.tried.size(), 2u);
  EXPECT_EQ(report.tried[1].name, "COM2");
  // The wire time the port's timeouts cost: at most about 2 s per port.
  EXPECT_LE(link.NowUs(), 2 * 2'200'000);
  EXPECT_GE(link.NowUs(), 2 * 1'000'000);
  EXPECT_FALSE(link.IsOpen());
}

TEST(RadioFinder, StopsAtTheRadioWithoutReadingOrWritingItsMemory) {
  VirtualRadio radio;
  SimulatedLink link(radio);
  std::vector<std::string> told;
  const FindReport report =
      FindRadio(link, link, never, {{"COM1", "/dev/ttyUSB0"}, {"COM2", "/dev/ttyUSB1"}},
                Language::English, [&](const FindPort& p) { told.push_back(p.name); });
  EXPECT_EQ(report.outcome, FindOutcome::Found);
  EXPECT_EQ(report.found.name, "COM1");
  EXPECT_EQ(told, std::vector<std::string>{"COM1"});
  ASSERT_FALSE(radio.Frames().empty());
  for (const RadioFrame& f : radio.Frames())
    EXPECT_TRUE(f.kind != RadioFrame::Kind::Read && f.kind != RadioFrame::Kind::Write);
  EXPECT_FALSE(link.IsOpen());
}

TEST(RadioFinder, CancelDuringASilentPortEndsTheSearchThere) {
  VirtualRadio radio(MakePlausibleRadioMemory(), {.noAnswer = true});
  SimulatedLink link(radio);
  int asked = 0;
  const auto cancelled = [&] { return ++asked > 8; };  // during the first port's attempts
  const FindReport report =
      FindRadio(link, link, cancelled, {{"COM1", "/dev/ttyUSB0"}, {"COM2", "/dev/ttyUSB1"}},
                Language::English);
  EXPECT_EQ(report.outcome, FindOutcome::Cancelled);
  EXPECT_EQ(report.tried.size(), 1u);
  EXPECT_FALSE(link.IsOpen());
}

}  // namespace
}  // namespace radio
