// radioprog-cli diff on files, as scripts use it: its lines and its exit
// statuses (0 equal, 1 different, 2 trouble).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "image/dat_file.h"
#include "interchange/channel_test_image.h"
#include "support/run_program.h"

namespace radio {
namespace {
namespace fs = std::filesystem;

class DiffCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("radioprog-diff-test-" + std::to_string(rd()));
    fs::create_directories(dir_ / "files");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  test::ProgramResult Run(const std::vector<std::string>& args) const {
    return test::RunProgram(test::BuiltProgram("radioprog-cli"), dir_ / "files", args,
                            dir_);
  }
  void Save(const std::string& name, const RadioImage& image) const {
    std::string error;
    ASSERT_TRUE(SaveDatFile(dir_ / "files" / name, image, error)) << error;
  }
  fs::path dir_;
};

TEST_F(DiffCommandTest, EqualAndDifferentImages) {
  RadioImage a = test::SampleImage();
  Save("a.dat", a);
  Save("same.dat", a);
  const auto same = Run({"diff", "a.dat", "same.dat"});
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(same.out, "");

  RadioImage b = a;
  test::SetChannel(b, 2, "145.525", "144.9", "None", "100.0", "RPT");
  b[0x1261] = 7;     // squelch level
  b[0x0C40] = 0x00;  // untransferred area
  Save("b.dat", b);
  const auto differ = Run({"diff", "a.dat", "b.dat"});
  EXPECT_EQ(differ.status, 1) << differ.err;
  EXPECT_EQ(differ.out,
            "Channel 2 Rx Frequency: 145.50000 → 145.52500\n"
            "Optional Features / Squelch Level: " +
                std::to_string(a[0x1261]) +
                " → 7\n"
                "Byte 0x0C40: 0xFF → 0x00\n");
  EXPECT_EQ(differ.err, "");

  const auto chinese = Run({"diff", "--lang", "zh", "a.dat", "b.dat"});
  EXPECT_EQ(chinese.status, 1);
  EXPECT_EQ(chinese.out.substr(0, chinese.out.find('\n')),
            "信道 2 接收频率: 145.50000 → 145.52500");
}

// With --lang zh the settings are named as the Chinese dialogs name them and
// a GBK channel name reads as its characters, as the grid shows it.
TEST_F(DiffCommandTest, ChineseRunNamesSettingsAndGbkNamesInChinese) {
  RadioImage a = test::SampleImage();
  Save("a.dat", a);
  RadioImage b = a;
  test::SetChannel(b, 3, "439.0", "444.0", "88.5", "88.5", "\xD6\xD0\xBC\xCC\xCC\xA8");  // 中继台
  b[0x1261] = 7;  // squelch level
  Save("b.dat", b);
  const auto chinese = Run({"diff", "--lang", "zh", "a.dat", "b.dat"});
  EXPECT_EQ(chinese.status, 1) << chinese.err;
  EXPECT_EQ(chinese.out,
            "信道 3 信道名字: (空) → 中继台\n"
            "可选功能 / 静噪等级: " +
                std::to_string(a[0x1261]) + " → 7\n");
  // In English the same bytes are Latin-1 letters, as an English grid shows them.
  const auto english = Run({"diff", "a.dat", "b.dat"});
  EXPECT_EQ(english.out.substr(0, english.out.find('\n')),
            "Channel 3 Chnnel Name: (empty) → ÖÐ¼ÌÌ¨");
}

TEST_F(DiffCommandTest, TroubleGivesStatusTwoAndAClearMessage) {
  Save("a.dat", test::BlankImage());
  std::ofstream(dir_ / "files" / "short.dat", std::ios::binary) << std::string(100, '\xFF');

  const auto missing = Run({"diff", "a.dat", "gone.dat"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("gone.dat"), std::string::npos) << missing.err;
  EXPECT_EQ(missing.out, "");

  const auto shortFile = Run({"diff", "short.dat", "a.dat"});
  EXPECT_EQ(shortFile.status, 2);
  EXPECT_NE(shortFile.err.find("too short"), std::string::npos) << shortFile.err;

  const auto folder = Run({"diff", "a.dat", "."});
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.err.find("radioprog-cli diff: the second argument \".\" is a folder"),
            std::string::npos)
      << folder.err;

  EXPECT_EQ(Run({"diff", "a.dat"}).status, 2) << "one file only";
  EXPECT_EQ(Run({"diff", "a.dat", "a.dat", "--lang", "fr"}).status, 2);
  EXPECT_EQ(Run({"diff", "--help"}).status, 0);
}

TEST_F(DiffCommandTest, LongerFilesAreComparedByTheirImageAndSaySo) {
  const RadioImage a = test::BlankImage();
  Save("a.dat", a);
  std::ofstream out(dir_ / "files" / "long.dat", std::ios::binary);
  out.write(reinterpret_cast<const char*>(a.data()), static_cast<std::streamsize>(a.size()));
  out << "trailing";
  out.close();
  const auto r = Run({"diff", "a.dat", "long.dat"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("only its first 6144 are compared"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace radio
