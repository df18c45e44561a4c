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

// A small stand-in for GBK: "中" <-> D6 D0, "文" <-> CE C4, "ÿ" <-> FF
// (which no name may hold); nothing else converts.
bool ToyToText(std::string_view bytes, std::string& utf8) {
  utf8.clear();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::string_view pair = bytes.substr(i, 2);
    if (pair == "\xD6\xD0") {
      utf8 += "\xE4\xB8\xAD";
    } else if (pair == "\xCE\xC4") {
      utf8 += "\xE6\x96\x87";
    } else if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      utf8 += bytes[i];
      continue;
    } else {
      return false;
    }
    ++i;
  }
  return true;
}

bool ToyToBytes(std::string_view utf8, std::string& bytes) {
  bytes.clear();
  for (std::size_t i = 0; i < utf8.size(); i += 3) {
    const std::string_view ch = utf8.substr(i, 3);
    if (ch == "\xE4\xB8\xAD") {
      bytes += "\xD6\xD0";
    } else if (ch == "\xE6\x96\x87") {
      bytes += "\xCE\xC4";
    } else if (utf8.substr(i, 2) == "\xC3\xBF") {
      bytes += '\xFF';
      --i;
    } else {
      return false;
    }
  }
  return true;
}

const NameCharset kToy{ToyToText, ToyToBytes};

// "中" and "文" as UTF-8 and as the toy charset's bytes.
const std::string kZhong = "\xE4\xB8\xAD", kWen = "\xE6\x96\x87";
const std::string kZhongBytes = "\xD6\xD0", kWenBytes = "\xCE\xC4";

TEST(ChannelNameText, WithACharsetWholeCharactersAreWrittenAsCharacters) {
  EXPECT_EQ(NameToCsvText(kZhongBytes + "A" + kWenBytes, &kToy), kZhong + "A" + kWen);
  EXPECT_EQ(NameToCsvText("CH 1", &kToy), "CH 1");
  // Anything that would not read back the same keeps the escape form: a byte
  // that is no character, a control byte, a backslash.
  EXPECT_EQ(NameToCsvText("\xD6\xD0\xB0", &kToy), "\\xD6\\xD0\\xB0");
  EXPECT_EQ(NameToCsvText("\xD6\xD0\x01", &kToy), "\\xD6\\xD0\\x01");
  EXPECT_EQ(NameToCsvText("\xD6\xD0\\", &kToy), "\\xD6\\xD0\\x5C");
}

TEST(ChannelNameText, ACharsetThatDoesNotReadBackIsNotTrusted) {
  const NameCharset lying{[](std::string_view, std::string& utf8) {
                            utf8 = "\xE4\xB8\xAD";
                            return true;
                          },
                          ToyToBytes};
  EXPECT_EQ(NameToCsvText("\xCE\xC4", &lying), "\\xCE\\xC4");
}

TEST(ChannelNameText, WithACharsetCharactersAndEscapesMixOnImport) {
  std::string bytes;
  EXPECT_EQ(CsvTextToName(kZhong + "\\xCE\\xC4A", bytes, &kToy), NameTextResult::kOk);
  EXPECT_EQ(bytes, kZhongBytes + kWenBytes + "A");
  EXPECT_EQ(CsvTextToName("\xC3\xBC", bytes, &kToy),
            NameTextResult::kUnshowable);  // no bytes for it
  EXPECT_EQ(CsvTextToName("A\xC3\xBF", bytes, &kToy),
            NameTextResult::kUnshowable);  // 0xFF ends a name
  EXPECT_EQ(CsvTextToName("A\tB", bytes, &kToy), NameTextResult::kUnshowable);
  // Five two-byte characters: four fit in eight bytes.
  EXPECT_EQ(
      CsvTextToName("\xE4\xB8\xAD\xE6\x96\x87\xE4\xB8\xAD\xE6\x96\x87\xE4\xB8\xAD", bytes, &kToy),
      NameTextResult::kCut);
  EXPECT_EQ(bytes, "\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4");
}

}  // namespace
}  // namespace radio
