#include "interchange/channel_name_text.h"

#include <gtest/gtest.h>

namespace radio {
namespace {

TEST(ChannelNameText, PrintableAsciiStaysAndOtherBytesAreEscaped) {
  EXPECT_EQ(NameToCsvText("CH 1,\"x\""), "CH 1,\"x\"");
  EXPECT_EQ(NameToCsvText("\xD6\xD0\x01"), "\\xD6\\xD0\\x01");
  EXPECT_EQ(NameToCsvText("A\\xB"), "A\\x5CxB");  // a backslash never starts an escape by chance
}

TEST(ChannelNameText, EveryNameByteReadsBackToItself) {
  for (int b = 0x01; b <= 0xFE; ++b) {
    const std::string name = {'A', static_cast<char>(b), 'Z'};
    std::string back;
    EXPECT_EQ(CsvTextToName(NameToCsvText(name), back), NameTextResult::kOk) << b;
    EXPECT_EQ(back, name) << b;
  }
}

TEST(ChannelNameText, TextTheRadioCannotShowIsRefused) {
  std::string bytes;
  EXPECT_EQ(CsvTextToName("\xC3\xBC", bytes), NameTextResult::kUnshowable);  // UTF-8 u-umlaut
  EXPECT_EQ(CsvTextToName("A\tB", bytes), NameTextResult::kUnshowable);
  EXPECT_EQ(CsvTextToName("\\x00", bytes), NameTextResult::kUnshowable);
  EXPECT_EQ(CsvTextToName("\\xff", bytes), NameTextResult::kUnshowable);
  // A backslash without two hex digits is just a backslash.
  EXPECT_EQ(CsvTextToName("A\\xG1\\", bytes), NameTextResult::kOk);
  EXPECT_EQ(bytes, "A\\xG1\\");
}

TEST(ChannelNameText, LongNamesAreCutToEightBytes) {
  std::string bytes;
  EXPECT_EQ(CsvTextToName("12345678", bytes), NameTextResult::kOk);
  EXPECT_EQ(CsvTextToName("123456789", bytes), NameTextResult::kCut);
  EXPECT_EQ(bytes, "12345678");
  // 1234567 then a GBK pair: the pair would be split, so it goes whole.
  EXPECT_EQ(CsvTextToName("1234567\\xB0\\xA1", bytes), NameTextResult::kCut);
  EXPECT_EQ(bytes, "1234567");
  EXPECT_EQ(CsvTextToName("123456\\xB0\\xA1\\xB0", bytes), NameTextResult::kCut);
  EXPECT_EQ(bytes, "123456\xB0\xA1");
}

}  // namespace
}  // namespace radio
