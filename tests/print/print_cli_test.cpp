// radioprog-cli print, run as a user would: text pages for diff, the PDF
// read back with the poppler tools, and the section list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "image/band_limits.h"
#include "image/channel_codec.h"
#include "image/dat_file.h"
#include "print/page_text.h"

namespace radio {
namespace {
namespace fs = std::filesystem;

struct Result {
  int status = -1;
  std::string out, err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream s(text);
  for (std::string line; std::getline(s, line);) lines.push_back(line);
  return lines;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class PrintCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("radioprog-print-test-" + std::to_string(rd()));
    fs::create_directories(dir_);
    setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    BandLimitBytes none{};
    RadioImage image = MakeNewImage(none);
    ChannelTable table;
    for (int r = 0; r < 12; ++r)
      table[static_cast<std::size_t>(r)] = {"145.50000", "145.50000", "None", "None",
                                            "CH" + std::to_string(r + 1), "High", "Wide", "Yes",
                                            "Carrier"};
    EncodeChannelTable(table, BandLimits{13400000, 17600000, 40000000, 48000000}, image);
    std::string error;
    ASSERT_TRUE(SaveDatFile((dir_ / "radio.dat").string(), image, error)) << error;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  Result Run(const std::string& args) const {
    return Shell("'" + std::string(RADIOPROG_PROGRAM_DIR) + "/radioprog-cli' " + args);
  }
  Result Shell(const std::string& line) const {
    const std::string command = "cd '" + dir_.string() + "' && " + line + " >out 2>err";
    Result r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadAll(dir_ / "out");
    r.err = ReadAll(dir_ / "err");
    return r;
  }

  fs::path dir_;
};

TEST_F(PrintCliTest, TextPagesInReadingOrderSeparatedByFormFeeds) {
  const Result r = Run("print radio.dat --text");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  EXPECT_EQ(Count(r.out, "\f\n"), 3) << "4 pages: Optional, then channels 1-5, 6-10, 11-12";
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Optional");
  EXPECT_EQ(lines[1], "Function");
  EXPECT_EQ(lines[2], "Back Light:");
  EXPECT_EQ(lines.back(), "Page 4 of 4");
  EXPECT_NE(r.out.find("Channel 12:\nReceive Frequency:\n145.50000\nWide/Narrow:\nWide\n"),
            std::string::npos);
  EXPECT_EQ(r.out.find("Channel 13:"), std::string::npos);
}

TEST_F(PrintCliTest, SectionsPrintInTheFixedOrderWhateverTheListSays) {
  const Result r = Run("print radio.dat --text --sections 2tone,msk,dtmf --lang zh");
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> titles;
  std::stringstream pages(r.out);
  std::string first = "\f";
  for (std::string line; std::getline(pages, line);) {
    if (first == "\f") titles.push_back(line);
    first = line;
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"DTMF", "MSK", "2-Tone 解码", "2-Tone 编码"}));
}

TEST_F(PrintCliTest, ChannelNamesPrintAsTheGridShowsThem) {
  RadioImage image;
  std::string error;
  ASSERT_TRUE(LoadDatFile(dir_ / "radio.dat", image, error)) << error;
  const std::string gbk = "\xD6\xD0\xCE\xC4";  // 中文
  std::copy(gbk.begin(), gbk.end(), image.begin() + 16);
  const std::string latin1 = "Caf\xE9";
  std::copy(latin1.begin(), latin1.end(), image.begin() + 24 + 16);
  ASSERT_TRUE(SaveDatFile(dir_ / "names.dat", image, error)) << error;
  Result r = Run("print names.dat --text --sections channels --lang zh");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("信道名称:\n中文\n"), std::string::npos) << r.out;
  r = Run("print names.dat --text --sections channels");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Channel Name:\nCafé\n"), std::string::npos) << r.out;
}

TEST_F(PrintCliTest, NothingToPrintAndBadArguments) {
  Result r = Run("print radio.dat --text --sections channels");
  EXPECT_EQ(r.status, 0);
  BandLimitBytes none{};
  std::string error;
  ASSERT_TRUE(SaveDatFile((dir_ / "empty.dat").string(), MakeNewImage(none), error));
  r = Run("print empty.dat --pdf out.pdf --sections channels");
  EXPECT_EQ(r.status, 5);
  EXPECT_NE(r.err.find("Nothing to print"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "out.pdf"));
  EXPECT_EQ(Run("print radio.dat --text --sections optional,fm").status, 2);
  EXPECT_EQ(Run("print radio.dat --text --sections optional,").status, 2);
  EXPECT_EQ(Run("print radio.dat").status, 2);
  EXPECT_EQ(Run("print radio.dat --text --pdf x.pdf").status, 2);
  EXPECT_EQ(Run("print radio.dat --text --lang de").status, 2);
  EXPECT_EQ(Run("print missing.dat --text").status, 3);
}

TEST_F(PrintCliTest, PdfNeverReplacesItsInputHoweverItIsNamed) {
  fs::create_directory(dir_ / "sub");
  fs::create_symlink("radio.dat", dir_ / "link.pdf");
  const std::string before = ReadAll(dir_ / "radio.dat");
  for (const std::string& out :
       {std::string("radio.dat"), std::string("./radio.dat"), (dir_ / "radio.dat").string(),
        std::string("sub/../radio.dat"), std::string("link.pdf")}) {
    const Result r = Run("print radio.dat --pdf '" + out + "'");
    EXPECT_EQ(r.status, 2) << out;
    EXPECT_NE(r.err.find("would replace the input file"), std::string::npos) << out << r.err;
  }
  EXPECT_EQ(ReadAll(dir_ / "radio.dat"), before);
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.pdf"));
}

TEST_F(PrintCliTest, APdfThatCannotBeWrittenWhollyLeavesTheOldOne) {
  std::ofstream(dir_ / "old.pdf") << "the old PDF";
  // A file size limit stands in for a full disk.
  const Result r = Shell("trap '' XFSZ; ulimit -f 4; '" + std::string(RADIOPROG_PROGRAM_DIR) +
                         "/radioprog-cli' print radio.dat --pdf old.pdf");
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("Cannot write \"old.pdf\""), std::string::npos) << r.err;
  EXPECT_EQ(ReadAll(dir_ / "old.pdf"), "the old PDF");
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"err", "old.pdf", "out", "radio.dat"}))
      << "no temporary file left";
}

TEST_F(PrintCliTest, PdfHoldsSelectableTextAndEveryPage) {
  if (std::system("command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null") != 0)
    GTEST_SKIP() << "poppler-utils not installed (scripts/setup.sh)";
  const Result r = Run("print radio.dat --pdf out.pdf --sections dtmf,msk,optional,2tone,channels");
  ASSERT_EQ(r.status, 0) << r.err;
  const Result info = Shell("pdfinfo out.pdf");
  EXPECT_NE(info.out.find("Pages:           8"), std::string::npos) << info.out;
  const Result text = Shell("pdftotext out.pdf -");
  for (const char* expected : {"DTMF", "MSK", "Optional", "2-Tone Decode", "2-Tone Encode",
                               "Channel Infomation", "Tx inbibit", "Channel 12:",
                               "145.50000", "CH11", "Carrier", "Page 8 of 8"})
    EXPECT_NE(text.out.find(expected), std::string::npos) << expected;
}

// A GBK name printed in a Chinese run reads back from the PDF as the same
// characters the grid shows.
TEST_F(PrintCliTest, ChineseNamesPrintAsTheirCharacters) {
  if (std::system("command -v pdftotext >/dev/null") != 0)
    GTEST_SKIP() << "poppler-utils not installed (scripts/setup.sh)";
  RadioImage image;
  std::string error;
  ASSERT_TRUE(LoadDatFile((dir_ / "radio.dat").string(), image, error)) << error;
  EncodeChannelRecord({"145.50000", "145.50000", "None", "None", "\xD6\xD0\xBC\xCC\xCC\xA8", "High",
                       "Wide", "Yes", "Carrier"},
                      image.data() + 2 * kChannelRecordSize);  // channel 3: 中继台
  ASSERT_TRUE(SaveDatFile((dir_ / "gbk.dat").string(), image, error)) << error;
  const Result r = Run("print gbk.dat --pdf out.pdf --sections channels --lang zh");
  ASSERT_EQ(r.status, 0) << r.err;
  const Result text = Shell("pdftotext out.pdf -");
  EXPECT_NE(text.out.find("中继台"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("信道名称"), std::string::npos);
  const Result pages = Run("print gbk.dat --text --sections channels --lang zh");
  EXPECT_NE(pages.out.find("信道名称:\n中继台\n"), std::string::npos) << pages.out;
}

TEST(SectionListTest, ParsesSubsetsAndRefusesOthers) {
  using print::ParseSectionList;
  EXPECT_EQ(ParseSectionList("channels,dtmf"), (print::SectionChoice{true, false, false, false, true}));
  EXPECT_EQ(ParseSectionList("2tone,2tone"), (print::SectionChoice{false, false, false, true, false}));
  EXPECT_FALSE(ParseSectionList(""));
  EXPECT_FALSE(ParseSectionList("Optional"));
  EXPECT_FALSE(ParseSectionList("msk,,dtmf"));
}

}  // namespace
}  // namespace radio
