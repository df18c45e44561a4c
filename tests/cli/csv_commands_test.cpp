// Runs the built radioprog-cli export-csv and import-csv on temporary files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>


#include "image/channel_codec.h"
#include "support/run_program.h"
#include "image/dat_file.h"
#include "interchange/channel_csv_export.h"

namespace radio {
namespace {
namespace fs = std::filesystem;

using test::ReadAll;

using Result = test::ProgramResult;

class CsvCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("radioprog-csv-test-" + std::to_string(rd()));
    fs::create_directories(dir_ / "files");
    // A radio with bands 134-176 / 400-480 MHz and two channels.
    BandLimitBytes bands = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};
    radio_ = MakeNewImage(bands);
    EncodeChannelRecord(
        {"145.50000", "145.00000", "D023N", "88.5", "HOME", "Low", "Narrow", "No", "Carrier"},
        radio_.data());
    EncodeChannelRecord(
        {"439.00000", "439.00000", "None", "None", "", "High", "Wide", "Yes", "Off"},
        radio_.data() + 5 * kChannelRecordSize);
    std::string error;
    ASSERT_TRUE(SaveDatFile(File("radio.dat"), radio_, error)) << error;
    empty_ = MakeNewImage(bands);
    ASSERT_TRUE(SaveDatFile(File("empty.dat"), empty_, error)) << error;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  Result Run(const std::vector<std::string>& args) const {
    return test::RunProgram(test::BuiltProgram("radioprog-cli"), dir_ / "files", args, dir_);
  }
  fs::path File(const std::string& name) const { return dir_ / "files" / name; }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(File(name), std::ios::binary) << text;
  }
  RadioImage Load(const std::string& name) const {
    RadioImage image{};
    std::string error;
    EXPECT_TRUE(LoadDatFile(File(name), image, error)) << error;
    return image;
  }

  fs::path dir_;
  RadioImage radio_{}, empty_{};
};

TEST_F(CsvCliTest, ExportThenImportIntoANewImageGivesTheSameChannels) {
  const Result toStdout = Run({"export-csv", "radio.dat"});
  ASSERT_EQ(toStdout.status, 0) << toStdout.err;
  EXPECT_EQ(toStdout.out, ExportChannelsCsv(radio_, DecodeBandLimits(ReadBandLimitBlock(radio_))));
  EXPECT_NE(toStdout.out.find("\r\n1,HOME,145.500000,-,0.500000,Cross,88.5,88.5,023,NN,023,"
                              "Tone->DTCS,NFM,5.00,S,Low,"),
            std::string::npos);

  const Result toFile = Run({"export-csv", "radio.dat", "-o", "list.csv"});
  ASSERT_EQ(toFile.status, 0) << toFile.err;
  EXPECT_EQ(ReadAll(File("list.csv")), toStdout.out);

  const Result imported = Run({"import-csv", "empty.dat", "list.csv", "-o", "out.dat"});
  ASSERT_EQ(imported.status, 0) << imported.err;
  const RadioImage out = Load("out.dat");
  EXPECT_TRUE(std::equal(out.begin(), out.begin() + 128 * 24, radio_.begin()));
  EXPECT_EQ(Load("empty.dat"), empty_);  // the input stays as it was
}

TEST_F(CsvCliTest, ImportReportsEachProblemWritesTheGoodRowsAndFailsUnlessSkipBad) {
  Write("in.csv", "Location,Name,Frequency\r\n1,NEW,146.52\r\n2,BAD,300\r\n3,LONGNAME9,440\r\n");
  const std::string csvBefore = ReadAll(File("in.csv"));
  const Result r = Run({"import-csv", "radio.dat", "in.csv", "-o", "out.dat"});
  EXPECT_EQ(r.status, 4);
  EXPECT_EQ(r.err,
            "in.csv: line 3, Frequency: 300.000000 MHz is outside the radio's band limits (row "
            "skipped)\n"
            "in.csv: line 4, Name: \"LONGNAME9\" is longer than 8 bytes and is cut to \"LONGNAME\" "
            "(warning)\n"
            "in.csv: 2 rows taken, 2 channels changed, 1 rows skipped\n");
  const RadioImage out = Load("out.dat");
  EXPECT_EQ(DecodeChannelRecord(out.data(), Language::English)[kChannelName], "NEW");
  EXPECT_EQ(DecodeChannelRecord(out.data() + 24, Language::English)[kRxFrequency], "");
  EXPECT_EQ(DecodeChannelRecord(out.data() + 48, Language::English)[kChannelName], "LONGNAME");
  EXPECT_TRUE(std::equal(out.begin() + 72, out.end(), radio_.begin() + 72));
  EXPECT_EQ(Load("radio.dat"), radio_);
  EXPECT_EQ(ReadAll(File("in.csv")), csvBefore);

  const Result skipping =
      Run({"import-csv", "radio.dat", "in.csv", "-o", "out2.dat", "--skip-bad"});
  EXPECT_EQ(skipping.status, 0) << skipping.err;
  EXPECT_EQ(Load("out2.dat"), out);

  // In Chinese, over a file whose .bak cannot be kept.
  fs::copy_file(File("radio.dat"), File("out3.dat"));
  fs::create_directory(File("out3.dat.bak"));
  const Result chinese =
      Run({"import-csv", "radio.dat", "in.csv", "-o", "out3.dat", "--lang", "zh"});
  EXPECT_EQ(chinese.status, 4);
  EXPECT_EQ(
      chinese.err,
      "in.csv: 第 3 行，Frequency：300.000000 MHz 超出本机的频段范围 (跳过该行)\n"
      "in.csv: 第 4 行，Name：\"LONGNAME9\" 超过 8 个字节，截为 \"LONGNAME\" (警告)\n"
      "radioprog-cli import-csv: 警告：“out3.dat.bak”是一个文件夹，因此没有保留旧文件的备份。\n"
      "in.csv: 采用 2 行，改变 2 个信道，跳过 1 行\n");
  EXPECT_EQ(Load("out3.dat"), out);
}

TEST_F(CsvCliTest, BadArgumentsAndUnreadableFilesChangeNothing) {
  Write("in.csv", "Location,Frequency\n1,146.52\n");
  EXPECT_EQ(Run({"import-csv", "radio.dat", "in.csv"}).status, 2);  // no -o
  EXPECT_EQ(Run({"import-csv", "radio.dat", "in.csv", "-o", "radio.dat"}).status, 2);
  EXPECT_EQ(Run({"import-csv", "radio.dat", "in.csv", "-o", "./in.csv"}).status, 2);
  EXPECT_EQ(Run({"export-csv", "radio.dat", "-o", "radio.dat"}).status, 2);
  EXPECT_EQ(Run({"import-csv", "missing.dat", "in.csv", "-o", "out.dat"}).status, 3);
  EXPECT_EQ(Run({"import-csv", "radio.dat", "missing.csv", "-o", "out.dat"}).status, 3);

  Write("broken.csv", "Location,Name\n1,\"never closed\n");
  const Result broken =
      Run({"import-csv", "radio.dat", "broken.csv", "-o", "out.dat", "--skip-bad"});
  EXPECT_EQ(broken.status, 3);
  EXPECT_EQ(broken.err, "broken.csv: line 2: a quoted field is not closed (nothing imported)\n");
  EXPECT_FALSE(fs::exists(File("out.dat")));
  EXPECT_EQ(Load("radio.dat"), radio_);
  EXPECT_EQ(ReadAll(File("in.csv")), "Location,Frequency\n1,146.52\n");
}

// The desktop program writes GBK names as characters: the CLI reads them,
// and escapes, to the same bytes; a character GBK lacks skips its row.
TEST_F(CsvCliTest, ImportReadsNamesAsGbkCharactersOrEscapes) {
  Write("names.csv",
        "Location,Frequency,Name\n"
        "1,146.52,\xE4\xB8\xAD" "A\n"  // "中A"
        "2,146.53,\\xD6\\xD0A\n"     // the same bytes as escapes
        "3,146.54,\xF0\x9F\x93\xBB\n");  // a radio emoji: no GBK bytes
  const Result r = Run({"import-csv", "empty.dat", "names.csv", "-o", "out.dat", "--skip-bad"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("line 4, Name:"), std::string::npos) << r.err;
  const RadioImage out = Load("out.dat");
  const ChannelRow first = DecodeChannelRecord(out.data(), Language::English);
  const ChannelRow second = DecodeChannelRecord(out.data() + kChannelRecordSize, Language::English);
  EXPECT_EQ(first[kChannelName], "\xD6\xD0" "A");
  EXPECT_EQ(second[kChannelName], "\xD6\xD0" "A");
  EXPECT_TRUE(IsEmptyChannelRecord(out.data() + 2 * kChannelRecordSize));
}

}  // namespace
}  // namespace radio
