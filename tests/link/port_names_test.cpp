#include "link/port_names.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

TEST(PortNames, CurrentNameUsesDevicePrefixFromTen) {
  EXPECT_EQ(CurrentPortName(1), "COM1");
  EXPECT_EQ(CurrentPortName(3), "COM3");
  EXPECT_EQ(CurrentPortName(9), "COM9");
  EXPECT_EQ(CurrentPortName(10), "\\\\.\\COM10");
  EXPECT_EQ(CurrentPortName(12), "\\\\.\\COM12");
  EXPECT_EQ(PortDisplayName(12), "COM12");
}

TEST(PortNames, ProbeNamesPortTenPlain) {
  EXPECT_EQ(ProbePortName(9), "COM9");
  EXPECT_EQ(ProbePortName(10), "COM10");
  EXPECT_EQ(ProbePortName(11), "\\\\.\\COM11");
  EXPECT_EQ(ProbePortName(16), "\\\\.\\COM16");
}

TEST(PortNames, NumberParseSkipsUpToTheFirstM) {
  EXPECT_EQ(PortNumberOfName("COM1"), 1);
  EXPECT_EQ(PortNumberOfName("COM16"), 16);
  EXPECT_EQ(PortNumberOfName("\\\\.\\COM12"), 12);
  EXPECT_EQ(PortNumberOfName("COM 7"), 7);    // %d skips white space
  EXPECT_EQ(PortNumberOfName("COM-3"), -3);   // and takes a sign
  EXPECT_EQ(PortNumberOfName("COM12abc"), 12);
  // Every name round-trips through the parse.
  for (int n = 1; n <= 16; ++n) {
    EXPECT_EQ(PortNumberOfName(CurrentPortName(n)), n);
    EXPECT_EQ(PortNumberOfName(ProbePortName(n)), n);
  }
}

TEST(PortNames, NumberParseFailures) {
  EXPECT_FALSE(PortNumberOfName(""));
  EXPECT_FALSE(PortNumberOfName("COM"));
  EXPECT_FALSE(PortNumberOfName("COMx"));
  EXPECT_FALSE(PortNumberOfName("M5"));  // nothing before the M to skip
  EXPECT_FALSE(PortNumberOfName("/dev/ttyUSB0"));
  EXPECT_FALSE(PortNumberOfName("COM99999999999"));
  // Only the first M counts.
  EXPECT_FALSE(PortNumberOfName("XMCOM3"));
}

TEST(PortNames, StoredChoiceUsesLowestByteAndDefaultsToOne) {
  EXPECT_EQ(PortNumberOfStoredChoice(std::nullopt), 1);
  EXPECT_EQ(PortNumberOfStoredChoice(12u), 12);
  EXPECT_EQ(PortNumberOfStoredChoice(0x0103u), 3);
  EXPECT_EQ(PortNumberOfStoredChoice(0u), 0);
}

TEST(PortNames, DefaultDevicesOnLinux) {
  EXPECT_EQ(DefaultPortDevice(1), "/dev/ttyUSB0");
  EXPECT_EQ(DefaultPortDevice(8), "/dev/ttyUSB7");
  EXPECT_EQ(DefaultPortDevice(9), "/dev/ttyACM0");
  EXPECT_EQ(DefaultPortDevice(12), "/dev/ttyACM3");
  EXPECT_EQ(DefaultPortDevice(13), "/dev/ttyS0");
  EXPECT_EQ(DefaultPortDevice(16), "/dev/ttyS3");
  EXPECT_EQ(DefaultPortDevice(0), "");
  EXPECT_EQ(DefaultPortDevice(17), "");
  EXPECT_TRUE(IsDevicePath("/dev/pts/3"));
  EXPECT_FALSE(IsDevicePath("COM3"));
  EXPECT_FALSE(IsDevicePath(""));
}

TEST(PortNames, EverythingButAComNameIsAPath) {
  for (const char* path : {"sim.tty", "./ttyUSB0", "../dev/ttyUSB0", "COM", "COM3x", "com3"})
    EXPECT_TRUE(IsDevicePath(path)) << path;
  for (const char* com : {"COM1", "COM16", "COM17", "\\\\.\\COM12"}) {
    EXPECT_TRUE(IsComPortName(com)) << com;
    EXPECT_FALSE(IsDevicePath(com)) << com;
  }
}

}  // namespace
}  // namespace radio
