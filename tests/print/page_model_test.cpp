#include "print/page_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "image/band_limits.h"
#include "image/channel_codec.h"
#include "features/two_tone_fields.h"
#include "image/radio_image.h"

namespace radio::print {
namespace {

// Round units: 150 twips a column, 200 a row; fixed line heights.
constexpr PageMetrics kMetrics{66 * 150, 45 * 200, 230, 184};

constexpr SectionChoice kOnly(Section s) {
  SectionChoice c{};
  c[static_cast<std::size_t>(s)] = true;
  return c;
}
constexpr SectionChoice kAll = {true, true, true, true, true};

class PageModelTest : public ::testing::Test {
 protected:
  PageModelTest() {
    BandLimitBytes bytes{};
    image = MakeNewImage(bytes);
  }

  // Marks grid rows (1-based) as used with recognisable texts.
  void UseRows(std::initializer_list<int> rows) {
    for (int r : rows) UseRow(r);
  }
  void UseRow(int row) {
    ChannelRow& cells = channels[static_cast<std::size_t>(row - 1)];
    cells = {"145.00000", "145.60000", "88.5", "D023N", "ch" + std::to_string(row), "High",
             "Wide", "Yes", "Carrier"};
  }
  void UseFirstRows(int count) {
    for (int r = 1; r <= count; ++r) UseRow(r);
  }

  std::vector<Page> Print(const SectionChoice& choice, Language lang = Language::English,
                          NameDecoder names = {}) {
    plan = PlanPrint(choice, channels);
    return BuildDocument(plan, PrintSource{image, channels, lang, "Owner Ltd", names}, kMetrics);
  }

  static int Col(int c) { return c * kMetrics.ColumnUnit(); }
  static int Line(int n) { return -n * kMetrics.detailLine; }

  // The text at an exact point, or "<none>".
  static std::string TextAt(const Page& page, int x, int y) {
    for (const PageItem& item : page)
      if (item.kind == PageItem::Kind::Text && item.x == x && item.y == y) return item.text;
    return "<none>";
  }
  static std::string ValueOf(const Page& page, int column, int line) {
    return TextAt(page, Col(column), Line(line));
  }
  static std::string Title(const Page& page) {
    return TextAt(page, Col(6), -kMetrics.pageLine);
  }
  static std::string Footer(const Page& page) {
    return TextAt(page, Col(45), -36 * kMetrics.pageLine);
  }
  // Channel numbers printed on a channel page, in order.
  static std::vector<std::string> ChannelLabels(const Page& page) {
    std::vector<std::string> labels;
    for (int k = 0; k < 5; ++k) {
      const std::string t = TextAt(page, Col(4), Line(4 + 8 * k));
      if (t != "<none>") labels.push_back(t);
    }
    return labels;
  }

  RadioImage image{};
  ChannelTable channels{};
  PrintPlan plan;
};

// ---- Page counts and section order ---------------------------------

TEST_F(PageModelTest, OpeningDefaultsWithTwelveChannelsGiveFourPages) {
  UseRows({1, 2, 3, 4, 5, 9, 10, 20, 30, 40, 41, 100});
  const auto pages = Print(kDefaultSections);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(Title(pages[0]), "Optional");
  for (int p = 1; p < 4; ++p) EXPECT_EQ(Title(pages[p]), "Channel Infomation");
  EXPECT_EQ(ChannelLabels(pages[1]), (std::vector<std::string>{"Channel 1:", "Channel 2:",
                                                                "Channel 3:", "Channel 4:",
                                                                "Channel 5:"}));
  EXPECT_EQ(ChannelLabels(pages[2]), (std::vector<std::string>{"Channel 9:", "Channel 10:",
                                                                "Channel 20:", "Channel 30:",
                                                                "Channel 40:"}));
  EXPECT_EQ(ChannelLabels(pages[3]),
            (std::vector<std::string>{"Channel 41:", "Channel 100:"}));
  EXPECT_EQ(Footer(pages[0]), "Page 1 of 4");
  EXPECT_EQ(Footer(pages[2]), "Page 3 of 4");
  EXPECT_EQ(TextAt(pages[2], Col(10), -36 * kMetrics.pageLine), "Owner Ltd");
}

TEST_F(PageModelTest, OnlyTwoToneGivesDecodeThenEncode) {
  UseFirstRows(12);
  const auto pages = Print(kOnly(Section::TwoTone));
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Title(pages[0]), "2-Tone Decode");
  EXPECT_EQ(Title(pages[1]), "2-Tone Encode");
  EXPECT_EQ(Footer(pages[1]), "Page 2 of 2");
}

TEST_F(PageModelTest, AllSectionsPrintInTheFixedOrder) {
  UseFirstRows(6);
  const auto pages = Print(kAll);
  ASSERT_EQ(pages.size(), 7u);
  const std::vector<std::string> titles = {"DTMF", "MSK", "Optional", "2-Tone Decode",
                                           "2-Tone Encode", "Channel Infomation",
                                           "Channel Infomation"};
  for (std::size_t i = 0; i < titles.size(); ++i) EXPECT_EQ(Title(pages[i]), titles[i]) << i;
  EXPECT_EQ(plan.pagesBeforeChannels, 5);
  // Skipped sections shift the full-sequence position.
  plan = PlanPrint({false, true, false, false, true}, channels);
  EXPECT_EQ(FullSequencePage(plan, 1), 2);
  EXPECT_EQ(FullSequencePage(plan, 2), 6);
  EXPECT_EQ(FullSequencePage(plan, 3), 7);
  EXPECT_EQ(FullSequencePage(plan, 4), 0);
}

TEST_F(PageModelTest, NoSectionOrNoChannelGivesNoPages) {
  EXPECT_TRUE(Print(SectionChoice{}).empty());
  EXPECT_TRUE(Print(kOnly(Section::Channels)).empty());
  EXPECT_EQ(plan.channelPages, 0);
  EXPECT_EQ(Print(kDefaultSections).size(), 1u);
}

TEST_F(PageModelTest, ChannelPageCountsOnTheirEdges) {
  struct Case {
    int used;
    int pages;
  };
  for (Case c : {Case{0, 0}, Case{1, 1}, Case{5, 1}, Case{6, 2}, Case{10, 2}, Case{11, 3},
                 Case{125, 25}, Case{126, 26}, Case{128, 26}, Case{129, 26}}) {
    channels = {};
    UseFirstRows(c.used);
    plan = PlanPrint(kOnly(Section::Channels), channels);
    EXPECT_EQ(plan.channelPages, c.pages) << c.used;
    EXPECT_EQ(plan.channelPageEnds.size(), static_cast<std::size_t>(c.pages) + 1) << c.used;
    if (c.pages > 0) {
      EXPECT_EQ(plan.channelPageEnds.back(), kLastChannelRow);
    }
  }
}

// A full radio: every used row printed exactly once, FR last.
TEST_F(PageModelTest, FullRadioPrintsEveryRowOnceWithFrLast) {
  UseFirstRows(129);
  const auto pages = Print(kAll);
  ASSERT_EQ(pages.size(), 31u);
  std::vector<std::string> labels;
  for (std::size_t p = 5; p < pages.size(); ++p) {
    const auto onPage = ChannelLabels(pages[p]);
    EXPECT_LE(onPage.size(), 5u);
    labels.insert(labels.end(), onPage.begin(), onPage.end());
  }
  ASSERT_EQ(labels.size(), 129u);
  EXPECT_EQ(labels.front(), "Channel 1:");
  EXPECT_EQ(labels[127], "Channel 128:");
  EXPECT_EQ(labels.back(), "Channel FR:");
  EXPECT_EQ(std::set<std::string>(labels.begin(), labels.end()).size(), 129u);
  EXPECT_EQ(Footer(pages.back()), "Page 31 of 31");
}

TEST_F(PageModelTest, PrintingAgainAfterDeletingChannelsPrintsEveryRemainingOne) {
  UseFirstRows(12);
  EXPECT_EQ(Print(kOnly(Section::Channels)).size(), 3u);
  for (int r : {2, 3, 4, 5, 6}) channels[static_cast<std::size_t>(r - 1)] = {};
  const auto pages = Print(kOnly(Section::Channels));
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(ChannelLabels(pages[0]), (std::vector<std::string>{"Channel 1:", "Channel 7:",
                                                                "Channel 8:", "Channel 9:",
                                                                "Channel 10:"}));
  EXPECT_EQ(ChannelLabels(pages[1]), (std::vector<std::string>{"Channel 11:", "Channel 12:"}));
}

// ---- Channel blocks --------------------------------------------------

TEST_F(PageModelTest, ChannelBlockShowsGridTextsAndTheRecordsSignal) {
  UseRows({7, 129});
  image[6 * kChannelRecordSize + 12] = 0xFA;  // bits 0-2 = 2: DTMF, upper bits ignored
  image[kFrRecord * kChannelRecordSize + 12] = 0x04;
  const auto pages = Print(kOnly(Section::Channels));
  ASSERT_EQ(pages.size(), 1u);
  const Page& p = pages[0];
  EXPECT_EQ(ValueOf(p, 4, 4), "Channel 7:");
  EXPECT_EQ(ValueOf(p, 24, 5), "145.00000");
  EXPECT_EQ(ValueOf(p, 24, 6), "145.60000");
  EXPECT_EQ(ValueOf(p, 24, 7), "88.5");
  EXPECT_EQ(ValueOf(p, 24, 8), "D023N");
  EXPECT_EQ(ValueOf(p, 24, 9), "ch7");
  EXPECT_EQ(ValueOf(p, 24, 10), "High");
  EXPECT_EQ(ValueOf(p, 55, 5), "Wide");
  EXPECT_EQ(ValueOf(p, 55, 6), "Yes");
  EXPECT_EQ(ValueOf(p, 40, 7), "PTT ID:");
  EXPECT_EQ(ValueOf(p, 55, 7), "<none>");
  EXPECT_EQ(ValueOf(p, 40, 8), "Busy Lock:");
  EXPECT_EQ(ValueOf(p, 55, 8), "Carrier");
  EXPECT_EQ(ValueOf(p, 40, 9), "Optional Singal:");
  EXPECT_EQ(ValueOf(p, 55, 9), "DTMF");
  EXPECT_EQ(ValueOf(p, 4, 12), "Channel FR:");
  EXPECT_EQ(ValueOf(p, 55, 17), "2-Tone");
}

TEST_F(PageModelTest, NamesPrintAsTheGridShowsThemAndOtherBytesEscaped) {
  UseRows({3});
  channels[2][kChannelName] = "\xD6\xD0\xCE\xC4";  // GBK bytes as the record holds them
  image[0x1320] = 0x80;                            // a DTMF ID code byte beyond ASCII
  EXPECT_EQ(ValueOf(Print(kOnly(Section::Channels))[0], 24, 9), "\\xD6\\xD0\\xCE\\xC4");
  const auto shown = [](std::string_view bytes) -> std::string {
    return bytes == "\xD6\xD0\xCE\xC4" ? "中文" : "?";
  };
  EXPECT_EQ(ValueOf(Print(kOnly(Section::Channels), Language::Chinese, shown)[0], 24, 9), "中文");
  EXPECT_EQ(ValueOf(Print(kOnly(Section::Dtmf))[0], 40, 12), "\\x80");
}

// ---- DTMF ------------------------------------------------------------

TEST_F(PageModelTest, DtmfSpeedComesFromTheFieldBitsOnly) {
  struct Case {
    std::uint8_t byte;
    const char* text;
  };
  for (Case c : {Case{0x00, "6"}, Case{0x01, "8"}, Case{0x02, "10"}, Case{0x03, "15"},
                 Case{0x04, "6"}, Case{0xFD, "8"}}) {
    image[0x1308] = c.byte;
    EXPECT_EQ(ValueOf(Print(kOnly(Section::Dtmf))[0], 40, 5), c.text) << int(c.byte);
  }
}

TEST_F(PageModelTest, DtmfTimesSideToneAndDecodeTexts) {
  image[0x1309] = 0x24;  // low 5 bits 4 -> 200
  image[0x130A] = 0x02;
  image[0x130B] = 0x1F;
  image[0x12A8] = 0x40;  // side tone on, stun off, transceiver inhibit
  const char id[] = "1234567890AB";  // longer than the 10-byte field
  std::copy(id, id + 12, image.begin() + 0x1320);
  image[0x132F] = 0xFF;
  const char stun[] = "ABCD";
  std::copy(stun, stun + 4, image.begin() + 0x1338);
  image[0x133C] = 0xFF;
  image[0x1380] = '5';
  image[0x1381] = 0xFF;
  Page p = Print(kOnly(Section::Dtmf))[0];
  EXPECT_EQ(ValueOf(p, 40, 6), "200");
  EXPECT_EQ(ValueOf(p, 40, 7), "100");
  EXPECT_EQ(ValueOf(p, 40, 8), "1550");
  EXPECT_EQ(ValueOf(p, 40, 9), "√");
  EXPECT_EQ(ValueOf(p, 40, 12), "1234567890");
  EXPECT_EQ(ValueOf(p, 40, 13), "Off");
  EXPECT_EQ(ValueOf(p, 40, 14), "Off");
  EXPECT_EQ(ValueOf(p, 40, 15), "ABCD");
  EXPECT_EQ(ValueOf(p, 40, 16), "Transceiver inhibit");
  EXPECT_EQ(TextAt(p, Col(18), -20 * kMetrics.detailLine - 50), "5");
  EXPECT_EQ(TextAt(p, Col(10), -28 * kMetrics.detailLine - 50), "9");

  image[0x12A8] = 0x30;  // side tone off, stun on, Tx inhibit
  image[0x132F] = 'C';
  p = Print(kOnly(Section::Dtmf))[0];
  EXPECT_EQ(ValueOf(p, 40, 9), "×");
  EXPECT_EQ(ValueOf(p, 40, 13), "C");
  EXPECT_EQ(ValueOf(p, 40, 14), "On");
  EXPECT_EQ(ValueOf(p, 40, 16), "Tx inbibit");
}

// ---- MSK and 2-Tone ----------------------------------------------------

TEST_F(PageModelTest, MskIdAndCallList) {
  const char own[] = "12AB";
  std::copy(own, own + 4, image.begin() + 0x12C0);
  const char ninth[] = "9F9F";
  std::copy(ninth, ninth + 4, image.begin() + static_cast<long>(0x12C0 + 2 * 24 + 4));
  const Page p = Print(kOnly(Section::Msk))[0];
  EXPECT_EQ(ValueOf(p, 15, 4), "12AB");
  EXPECT_EQ(TextAt(p, Col(17), -16 * kMetrics.detailLine - 25), "9F9F");
  EXPECT_EQ(TextAt(p, Col(10), -16 * kMetrics.detailLine - 25), "9");
}

TEST_F(PageModelTest, EmptyTwoToneEncodeCodePrintsBlank) {
  TwoToneEncodeFields enc = LoadTwoToneEncode(image);
  enc.tones[0][0] = std::nullopt;  // stored as FF FF
  enc.tones[16][1] = 10000;
  StoreTwoToneEncode(image, enc);
  const auto pages = Print(kOnly(Section::TwoTone));
  const int y = -13 * kMetrics.detailLine - 25;
  EXPECT_EQ(TextAt(pages[1], Col(13), y), "");
  EXPECT_EQ(TextAt(pages[1], Col(7), y), "1");
  EXPECT_EQ(TextAt(pages[1], Col(35), y), "17");
  EXPECT_EQ(TextAt(pages[1], Col(51), y), "1000.0");
  // Decode slot values are the codec's texts.
  EXPECT_EQ(ValueOf(pages[0], 3, 4), "2-Tone 1:");
  EXPECT_EQ(ValueOf(pages[0], 35, 31), "2-Tone 8:");
  // Encode timing: an odd interval count prints as "%2.1f" rounds count / 20;
  // the short beep line is a label alone, whatever the flag.
  image[0x1624] = 3;
  image[0x1627] = 1;
  const auto timing = Print(kOnly(Section::TwoTone))[1];
  EXPECT_EQ(ValueOf(timing, 30, 7), "0.1");
  EXPECT_EQ(ValueOf(timing, 6, 9), "Short beep tone:");
  EXPECT_EQ(ValueOf(timing, 30, 9), "");
  EXPECT_EQ(ValueOf(pages[0], 26, 5),
            FormatTone(LoadTwoToneDecodeSlot(image, 0).aTone));
}

// ---- Optional --------------------------------------------------------

TEST_F(PageModelTest, OptionalMendedLinesFollowTheDialogFields) {
  // Back light 0x1266 bits 4-5, colour bits 6-7; code 3 falls back to item 0.
  struct Case {
    int code;
    const char* light;
    const char* colour;
  };
  for (Case c : {Case{0, "Off", "Purple"}, Case{1, "Auto", "Orangle"}, Case{2, "On", "Blue"},
                 Case{3, "Off", "Purple"}}) {
    image[0x1266] = static_cast<std::uint8_t>(c.code << 4 | c.code << 6);
    const Page p = Print(kOnly(Section::Optional))[0];
    EXPECT_EQ(ValueOf(p, 30, 5), c.light) << c.code;
    EXPECT_EQ(ValueOf(p, 30, 6), c.colour) << c.code;
  }
  image[0x1267] = 0xFF;  // display mode bits 0-1 = 3
  image[0x1265] = 0x40 | 0x08;  // scan mode 2 (Se), beep bit set = On
  image[0x12AB] = 0x01;         // MSK-I
  Page p = Print(kOnly(Section::Optional))[0];
  EXPECT_EQ(ValueOf(p, 30, 7), "4");
  EXPECT_EQ(ValueOf(p, 30, 10), "Se");
  EXPECT_EQ(ValueOf(p, 30, 19), "On");
  EXPECT_EQ(ValueOf(p, 30, 17), "MSK-I");
  image[0x1267] = 0x00;
  image[0x1265] = 0x60;  // scan code 3 falls back to To; beep off
  image[0x12AB] = 0x00;
  p = Print(kOnly(Section::Optional))[0];
  EXPECT_EQ(ValueOf(p, 30, 7), "1");
  EXPECT_EQ(ValueOf(p, 30, 10), "To");
  EXPECT_EQ(ValueOf(p, 30, 19), "Off");
  EXPECT_EQ(ValueOf(p, 30, 17), "MSK-II");
}

TEST_F(PageModelTest, OptionalTableValuesOnTheirEdges) {
  struct Case {
    std::uint8_t step;
    std::uint8_t tot;
    std::uint8_t vox;
    const char* stepText;
    const char* totText;
    const char* voxText;
  };
  for (Case c : {Case{0x00, 0x00, 0x00, "5k", "Off", "Off"},
                 Case{0x03, 0x01, 0x01, "12.5k", "30", "1"},
                 Case{0x04, 0xF9, 0x09, "25k", "270", "9"},
                 Case{0x07, 0x0F, 0xFF, "25k", "450", "15"}}) {
    image[0x1263] = c.step;
    image[0x1260] = c.tot;
    image[0x1262] = c.vox;
    const Page p = Print(kOnly(Section::Optional))[0];
    EXPECT_EQ(ValueOf(p, 30, 12), c.stepText) << int(c.step);
    EXPECT_EQ(ValueOf(p, 30, 13), c.totText) << int(c.tot);
    EXPECT_EQ(ValueOf(p, 30, 14), c.voxText) << int(c.vox);
  }
  image[0x1261] = 0xF7;
  image[0x12A9] = 200;
  image[0x1264] = 0x90;  // display PTT ID on, scrambler on
  image[0x12A8] = 0x0D;  // frequency mode, PTT ID type DTMF, battery saver; keypad lock on
  const char bot[] = "BEGIN";
  std::copy(bot, bot + 5, image.begin() + 0x1278);
  image[0x127D] = 0xFF;
  const Page p = Print(kOnly(Section::Optional))[0];
  EXPECT_EQ(ValueOf(p, 30, 11), "7");
  EXPECT_EQ(ValueOf(p, 30, 9), "200");
  EXPECT_EQ(ValueOf(p, 30, 24), "On");
  EXPECT_EQ(ValueOf(p, 30, 20), "On");
  EXPECT_EQ(ValueOf(p, 30, 16), "On");
  EXPECT_EQ(ValueOf(p, 30, 25), "DTMF");
  EXPECT_EQ(ValueOf(p, 30, 18), "On");
  EXPECT_EQ(ValueOf(p, 30, 21), "On");
  EXPECT_EQ(ValueOf(p, 30, 26), "BEGIN");
}

TEST_F(PageModelTest, VoiceAnnunciationCombinations) {
  struct Case {
    bool voice;
    bool chinese;
    const char* text;
  };
  for (Case c : {Case{false, false, "Off"}, Case{true, false, "English"},
                 Case{true, true, "Chinese"}, Case{false, true, ""}}) {
    image[0x1264] = c.voice ? 0x04 : 0x00;
    image[0x12A8] = c.chinese ? 0x02 : 0x00;
    EXPECT_EQ(ValueOf(Print(kOnly(Section::Optional))[0], 30, 15), c.text)
        << c.voice << c.chinese;
  }
}

// ---- Chinese and layout ------------------------------------------------

TEST_F(PageModelTest, ChineseTitlesAndLabels) {
  UseRows({129});
  const auto pages = Print(kAll, Language::Chinese);
  ASSERT_EQ(pages.size(), 6u);
  EXPECT_EQ(Title(pages[0]), "DTMF");
  EXPECT_EQ(Title(pages[1]), "MSK");
  EXPECT_EQ(Title(pages[2]), "可选功能");
  EXPECT_EQ(Title(pages[3]), "2-Tone 解码");
  EXPECT_EQ(Title(pages[4]), "2-Tone 编码");
  EXPECT_EQ(Title(pages[5]), "信道信息");
  EXPECT_EQ(ValueOf(pages[5], 40, 7), "PTT ID:");
  EXPECT_EQ(ValueOf(pages[5], 55, 9), "无");
  EXPECT_EQ(ValueOf(pages[0], 40, 9), "√");
  EXPECT_EQ(Footer(pages[5]), "第 6 页，共 6 页");
}

TEST_F(PageModelTest, FrameLinesAndReadingOrder) {
  UseFirstRows(3);
  const Page page = Print(kOnly(Section::Channels))[0];
  const int L = kMetrics.pageLine;
  std::vector<int> frame;
  for (const PageItem& item : page)
    if (item.kind == PageItem::Kind::Line) {
      EXPECT_EQ(item.x, Col(5));
      EXPECT_EQ(item.x2, Col(60));
      frame.push_back(item.y);
    }
  EXPECT_EQ(frame, (std::vector<int>{-(2 * L + 50), -(2 * L + 120), L / 2 - 36 * L}));
  const auto texts = TextsInReadingOrder(page);
  ASSERT_GE(texts.size(), 4u);
  EXPECT_EQ(texts[0]->text, "Channel Infomation");
  EXPECT_EQ(texts[1]->text, "Channel 1:");
  EXPECT_EQ(texts[2]->text, "Receive Frequency:");
  EXPECT_EQ(texts[3]->text, "145.00000");
  EXPECT_EQ(texts.back()->text, "Page 1 of 1");
  for (std::size_t i = 1; i < texts.size(); ++i)
    EXPECT_TRUE(texts[i - 1]->y > texts[i]->y ||
                (texts[i - 1]->y == texts[i]->y && texts[i - 1]->x < texts[i]->x));
}

}  // namespace
}  // namespace radio::print
