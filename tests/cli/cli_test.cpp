// Runs the built radioprog-cli on temporary files, as scripts and users do.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>

#include "base/settings_store.h"
#include "image/channel_codec.h"
#include "image/dat_file.h"
#include "support/run_program.h"

namespace radio {
namespace {
namespace fs = std::filesystem;

using test::ReadAll;

void WriteAll(const fs::path& path, const std::string& data) {
  std::ofstream(path, std::ios::binary) << data;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream s(text);
  for (std::string line; std::getline(s, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

using Result = test::ProgramResult;

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("radioprog-cli-test-" + std::to_string(rd()));
    fs::create_directories(dir_ / "files");
    // The per-user store lives here, not in the user's own configuration.
    setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    // A program directory of its own: the Program.ini shipped beside the
    // built programs would add its model names to the output.
    fs::create_directories(dir_ / "bare");
    program_ = dir_ / "bare" / test::BuiltProgram("radioprog-cli").filename();
    fs::copy_file(test::BuiltProgram("radioprog-cli"), program_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  Result Run(const std::vector<std::string>& args, const std::string& stdoutTo = "") const {
    return test::RunProgram(program_, dir_ / "files", args, dir_, stdoutTo);
  }

  fs::path File(const std::string& name) const { return dir_ / "files" / name; }
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_ / "files"))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
  fs::path program_;
};

RadioImage DefaultNewImage() {
  BandLimitBytes none{};
  return MakeNewImage(none);
}

TEST_F(CliTest, NewThenInfoThenChannels) {
  const Result made = Run({"new", "-o", "radio.dat"});
  ASSERT_EQ(made.status, 0) << made.err;
  RadioImage image;
  std::string error;
  ASSERT_TRUE(LoadDatFile(File("radio.dat"), image, error)) << error;
  EXPECT_EQ(image, DefaultNewImage()) << "no stored band limits: the normalised default";
  EXPECT_EQ(fs::file_size(File("radio.dat")), kImageSize);
  EXPECT_EQ(FileNames(), std::vector<std::string>{"radio.dat"}) << "no temporary file left";

  const Result info = Run({"info", "radio.dat"});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.err, "");
  EXPECT_EQ(Lines(info.out),
            (std::vector<std::string>{
                "File:          radio.dat",
                "Size:          6144 bytes (ok)",
                "Band 1:        330-400 MHz",
                "Band 2:        330-400 MHz",
                "Model type:    1",
                "Used channels: 0 of 128, Fr empty",
                "Password:      not set",
                "Squelch:       V wide -23, V narrow -25, U wide -30, U narrow -34",
            }));

  const Result used = Run({"channels", "radio.dat"});
  EXPECT_EQ(used.status, 0);
  EXPECT_EQ(used.out, "") << "a new image has no channels";

  const Result all = Run({"channels", "--all", "radio.dat"});
  ASSERT_EQ(all.status, 0) << all.err;
  const auto lines = Lines(all.out);
  ASSERT_EQ(lines.size(), 129u);
  EXPECT_EQ(lines[0], "1\t\t\t\t\t\t\t\t\t");
  EXPECT_EQ(Fields(lines[127])[0], "128");
  EXPECT_EQ(Fields(lines[128])[0], "Fr");
  for (const std::string& line : lines) EXPECT_EQ(Fields(line).size(), 10u);
}

TEST_F(CliTest, ChannelsAndInfoShowTheChannelsOfAFile) {
  RadioImage image = DefaultNewImage();
  ChannelTable table;
  table[0] = {"145.50000", "145.50000", "None", "None", "", "High", "Wide", "Yes", "Off"};
  table[4] = {"435.01250", "430.01250", "67.0", "D023I", "RPT", "Low", "Narrow", "No", "Carrier"};
  table[kFrRecord] = {"146.52000", "146.52000", "D754N", "254.1", "FR",
                      "High",      "Wide",      "No",    "QT/DQT"};
  EncodeChannelTable(table, BandLimits{13400000, 17600000, 40000000, 48000000}, image);
  image[0x17D2] = '1';   // a power-on password
  image[0x17EF] = 0x77;  // squelch 55: no list item
  image[0x17F0] = 0x00;  // invalid: shown as the default
  std::string error;
  ASSERT_TRUE(SaveDatFile(File("ch.dat"), image, error)) << error;

  const Result en = Run({"channels", "ch.dat"});
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_EQ(Lines(en.out),
            (std::vector<std::string>{
                "1\t145.50000\t145.50000\tNone\tNone\t\tHigh\tWide\tYes\tOff",
                "5\t435.01250\t430.01250\t67.0\tD023I\tRPT\tLow\tNarrow\tNo\tCarrier",
                "Fr\t146.52000\t146.52000\tD754N\t254.1\tFR\tHigh\tWide\tNo\tQT/DQT",
            }));
  const Result zh = Run({"channels", "ch.dat", "--lang=zh"});
  ASSERT_EQ(zh.status, 0) << zh.err;
  EXPECT_EQ(Lines(zh.out)[0], "1\t145.50000\t145.50000\t无\t无\t\t高\t宽\t是\t关");

  const Result info = Run({"info", "ch.dat"});
  ASSERT_EQ(info.status, 0) << info.err;
  const auto lines = Lines(info.out);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[2], "Band 1:        134-176 MHz");
  EXPECT_EQ(lines[3], "Band 2:        400-480 MHz");
  EXPECT_EQ(lines[5], "Used channels: 2 of 128, Fr used");
  EXPECT_EQ(lines[6], "Password:      set");
  EXPECT_EQ(lines[7],
            "Squelch:       V wide -23, V narrow none (stored 55), U wide -30, U narrow -34");
}

TEST_F(CliTest, StoredBandLimitsAndModelNamesComeFromBesideTheProgram) {
  // A program directory of its own, with its own Program.ini.
  const fs::path programDir = dir_ / "program";
  fs::create_directories(programDir);
  fs::copy_file(program_, programDir / "radioprog-cli");
  program_ = programDir / "radioprog-cli";
  const std::string ini =
      "[Setup]\r\nAppName=CliTestRadio\r\nType1=Model One\r\nType2=Model Two\r\n";
  WriteAll(programDir / "Program.ini", ini);
  {
    SettingsStore store("CliTestRadio");
    store.WriteField({0x13, 0x17, 0x46, 0x40, 0x48, 0x00});
    ASSERT_TRUE(store.Sync());
  }

  const Result made = Run({"new", "-o", "radio.dat"});
  ASSERT_EQ(made.status, 0) << made.err;
  RadioImage image;
  std::string error;
  ASSERT_TRUE(LoadDatFile(File("radio.dat"), image, error)) << error;
  EXPECT_EQ(ReadBandLimitBlock(image), (BandLimitBytes{0x13, 0x17, 0x46, 0x40, 0x48, 0x00}));
  RadioImage expected = DefaultNewImage();
  WriteBandLimitBlock(expected, ReadBandLimitBlock(image));
  EXPECT_EQ(image, expected) << "only the band limits differ from the defaults";

  const Result info = Run({"info", "radio.dat"});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Model type:    1 (Type2: Model Two)\n"), std::string::npos) << info.out;

  EXPECT_EQ(ReadAll(programDir / "Program.ini"), ini) << "Program.ini is never rewritten";
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(programDir)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Program.ini", "radioprog-cli"})) << "no backups";
}

TEST_F(CliTest, ShortMissingAndLongFiles) {
  const std::string shortData(kImageSize - 1, '\x11');
  WriteAll(File("short.dat"), shortData);
  for (const char* command : {"info", "channels"}) {
    const Result r = Run({command, "short.dat"});
    EXPECT_EQ(r.status, 3) << command;
    EXPECT_EQ(r.out, "") << command;
    EXPECT_NE(r.err.find("too short"), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadAll(File("short.dat")), shortData);
  WriteAll(File("empty.dat"), "");
  EXPECT_EQ(Run({"info", "empty.dat"}).status, 3);
  const Result missing = Run({"channels", "missing.dat"});
  EXPECT_EQ(missing.status, 3);
  EXPECT_NE(missing.err.find("missing.dat"), std::string::npos);
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"empty.dat", "short.dat"}))
      << "nothing written on failure";
  fs::create_directory(File("folder.dat"));
  const Result folder = Run({"info", "folder.dat"});
  EXPECT_EQ(folder.status, 3);
  EXPECT_NE(folder.err.find("\"folder.dat\" is a folder"), std::string::npos) << folder.err;
  fs::remove(File("folder.dat"));

  const RadioImage image = DefaultNewImage();
  WriteAll(File("long.dat"), std::string(image.begin(), image.end()) + "extra");
  const Result info = Run({"info", "long.dat"});
  EXPECT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("Size:          6149 bytes (only the first 6144 are used)\n"),
            std::string::npos)
      << info.out;
}

TEST_F(CliTest, NewWritesNothingWhenItCannot) {
  const Result noDir = Run({"new", "-o", "no/such/folder/radio.dat"});
  EXPECT_EQ(noDir.status, 3);
  EXPECT_NE(noDir.err.find("radio.dat"), std::string::npos);
  fs::create_directory(File("folder.dat"));
  EXPECT_EQ(Run({"new", "-o", "folder.dat"}).status, 3);
  EXPECT_TRUE(fs::is_directory(File("folder.dat")));
  EXPECT_EQ(Run({"new", "-o", "folder.dat", "--force"}).status, 3);

  WriteAll(File("keep.dat"), "precious");
  const Result exists = Run({"new", "-o", "keep.dat"});
  EXPECT_EQ(exists.status, 3);
  EXPECT_NE(exists.err.find("--force"), std::string::npos);
  EXPECT_EQ(ReadAll(File("keep.dat")), "precious");
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"folder.dat", "keep.dat"}));

  EXPECT_EQ(Run({"new", "-o", "keep.dat", "--force"}).status, 0);
  EXPECT_EQ(fs::file_size(File("keep.dat")), kImageSize);
}

TEST_F(CliTest, OutputThatCannotBeWrittenIsAFailure) {
  ASSERT_EQ(Run({"new", "-o", "a.dat"}).status, 0);
  RadioImage other = DefaultNewImage();
  other[0x1261] = 0x05;
  std::string error;
  ASSERT_TRUE(SaveDatFile(File("b.dat"), other, error)) << error;
  const std::vector<std::vector<std::string>> commands = {{"info", "a.dat"},
                                                          {"channels", "--all", "a.dat"},
                                                          {"print", "a.dat", "--text"},
                                                          {"export-csv", "a.dat"},
                                                          {"--help"}};
  for (const auto& args : commands) {
    const Result full = Run(args, "/dev/full");
    EXPECT_EQ(full.status, 3) << args[0];
    EXPECT_NE(full.err.find("cannot write the output: No space left on device"), std::string::npos)
        << args[0] << ": " << full.err;
  }
  const Result diff = Run({"diff", "a.dat", "b.dat"}, "/dev/full");
  EXPECT_EQ(diff.status, 2) << "trouble, not \"different\"";
  EXPECT_NE(diff.err.find("cannot write the output"), std::string::npos) << diff.err;
  EXPECT_EQ(Run({"diff", "a.dat", "b.dat"}).status, 1) << "with output that can be written";
}

TEST_F(CliTest, OutputsThatAreNotRegularFilesAreRefusedAndLeftAlone) {
  ASSERT_EQ(Run({"new", "-o", "radio.dat"}).status, 0);
  ASSERT_EQ(mkfifo(File("pipe").c_str(), 0644), 0);
  fs::create_symlink("/dev/null", File("null.csv"));
  const std::vector<std::vector<std::string>> commands = {
      {"export-csv", "radio.dat", "-o", "pipe"},
      {"export-csv", "radio.dat", "-o", "null.csv"},
      {"new", "--force", "-o", "pipe"},
      {"print", "radio.dat", "--pdf", "pipe"}};
  for (const auto& args : commands) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 3) << args[0] << " " << args.back();
    EXPECT_NE(r.err.find("is not a regular file"), std::string::npos) << r.err;
  }
  EXPECT_TRUE(fs::is_fifo(File("pipe")));
  EXPECT_TRUE(fs::is_symlink(File("null.csv")));
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"null.csv", "pipe", "radio.dat"}));
}

TEST_F(CliTest, UsageMistakesExitWithTheUsageStatus) {
  EXPECT_EQ(Run({"new"}).status, 2);
  EXPECT_EQ(Run({"new", "-o"}).status, 2);
  EXPECT_EQ(Run({"info"}).status, 2);
  EXPECT_EQ(Run({"info", "a.dat", "b.dat"}).status, 2);
  EXPECT_EQ(Run({"channels", "a.dat", "--bogus"}).status, 2);
  EXPECT_EQ(Run({"channels", "a.dat", "--lang", "fr"}).status, 2);
  EXPECT_EQ(Run({"frobnicate"}).status, 2);
  const Result help = Run({"channels", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("channels FILE.dat"), std::string::npos);
  EXPECT_EQ(FileNames(), std::vector<std::string>{});
}

// A name may hold any byte (a radio or file this program did not write):
// each channel stays one line of ten fields, names read as the grid shows
// them, in UTF-8, with the bytes that would break a line or field escaped.
TEST_F(CliTest, ChannelNamesStayOnTheirLineAndReadAsTheGridShowsThem) {
  RadioImage image = DefaultNewImage();
  ChannelTable table;
  table[0] = {"145.50000", "145.50000", "None", "None", "A\nB\t\\\r\xE9",
              "High",      "Wide",      "Yes",  "Off"};
  table[1] = {"145.60000", "145.60000", "None", "None", "\xD6\xD0\x85",
              "High",      "Wide",      "Yes",  "Off"};
  EncodeChannelTable(table, BandLimits{13400000, 17600000, 40000000, 48000000}, image);
  std::string error;
  ASSERT_TRUE(SaveDatFile(File("names.dat"), image, error)) << error;

  const Result en = Run({"channels", "names.dat"});
  ASSERT_EQ(en.status, 0) << en.err;
  const auto lines = Lines(en.out);
  ASSERT_EQ(lines.size(), 2u) << en.out;
  for (const std::string& line : lines) EXPECT_EQ(Fields(line).size(), 10u) << line;
  EXPECT_EQ(Fields(lines[0])[5], "A\\x0AB\\x09\\x5C\\x0D\xC3\xA9");  // Latin-1 e-acute
  EXPECT_EQ(Fields(lines[1])[5], "\xC3\x96\xC3\x90\\x85");           // 0x85 is a C1 control

  const Result zh = Run({"channels", "names.dat", "--lang", "zh"});
  ASSERT_EQ(zh.status, 0) << zh.err;
  EXPECT_EQ(Fields(Lines(zh.out)[1])[5].substr(0, 3), "中");

  // --json: one document, each name decoded and as its stored bytes.
  const Result json = Run({"channels", "names.dat", "--json", "--lang", "zh"});
  ASSERT_EQ(json.status, 0) << json.err;
  const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
  const QJsonArray channels = doc["channels"].toArray();
  ASSERT_EQ(channels.size(), 2) << json.out;
  EXPECT_EQ(channels[0]["nameHex"].toString(), "410A42095C0DE9");
  EXPECT_EQ(channels[1]["nameHex"].toString(), "D6D085");
  EXPECT_TRUE(channels[1]["name"].toString().startsWith(QString::fromUtf8("中")));
  EXPECT_EQ(channels[1]["rxFrequency"].toString(), "145.60000");

  table[1][kChannelName] = "CALL";
  EncodeChannelTable(table, BandLimits{13400000, 17600000, 40000000, 48000000}, image);
  ASSERT_TRUE(SaveDatFile(File("renamed.dat"), image, error)) << error;
  const Result diff = Run({"diff", "names.dat", "renamed.dat", "--json"});
  EXPECT_EQ(diff.status, 1) << diff.err;
  const QJsonArray differences = QJsonDocument::fromJson(QByteArray::fromStdString(diff.out))
                                     .object()["differences"]
                                     .toArray();
  ASSERT_EQ(differences.size(), 1) << diff.out;
  EXPECT_EQ(differences[0]["channel"].toInt(), 2);
  EXPECT_EQ(differences[0]["beforeHex"].toString(), "D6D085");
  EXPECT_EQ(differences[0]["after"].toString(), "CALL");
  EXPECT_EQ(differences[0]["afterHex"].toString(), "43414C4C");

  const Result info = Run({"info", "names.dat", "--json"});
  ASSERT_EQ(info.status, 0) << info.err;
  const QJsonObject summary = QJsonDocument::fromJson(QByteArray::fromStdString(info.out)).object();
  EXPECT_EQ(summary["usedChannels"].toInt(), 2) << info.out;
  EXPECT_EQ(summary["band2"]["upperMHz"].toInt(), 480);
}

TEST_F(CliTest, EveryCommandAnswersHelpAndUsageErrorsSayWhy) {
  const Result list = Run({"help"});
  ASSERT_EQ(list.status, 0);
  for (const char* command :
       {"new", "info", "channels", "read", "write", "ports", "export-csv", "import-csv",
        "squelch-read", "squelch-write", "print", "diff", "find"}) {
    SCOPED_TRACE(command);
    EXPECT_NE(list.out.find(std::string("\n  ") + command + " "), std::string::npos);
    const Result asked = Run({"help", command});
    EXPECT_EQ(asked.status, 0);
    EXPECT_EQ(asked.out.rfind(std::string("usage: radioprog-cli ") + command + " ", 0), 0u)
        << asked.out;
    for (const char* flag : {"-h", "--help"}) {
      const Result help = Run({command, "x.dat", flag});
      EXPECT_EQ(help.status, 0) << help.err;
      EXPECT_EQ(help.out, asked.out);
    }
  }
  const Result noPort = Run({"read", "--port", "COM1"});
  EXPECT_EQ(noPort.status, 2);
  EXPECT_EQ(Lines(noPort.err).at(0), "radioprog-cli read: give the output file with -o FILE.dat");
  const Result badPort = Run({"ports", "--reset", "COM17"});
  EXPECT_EQ(badPort.status, 2);
  EXPECT_EQ(Lines(badPort.err).at(0),
            "radioprog-cli ports: COM17 is not a port name (COM1 ... COM16)");
  const Result badOption = Run({"info", "a.dat", "--bogus"});
  EXPECT_EQ(Lines(badOption.err).at(0), "radioprog-cli info: unknown option --bogus");
  EXPECT_EQ(Lines(badOption.err).at(1), "usage: radioprog-cli info FILE.dat [--json]");
  EXPECT_EQ(Run({"help", "frobnicate"}).status, 2);
  EXPECT_EQ(FileNames(), std::vector<std::string>{});
}

// The exit statuses have one table: the program's own help, its manual
// page and the README all show it.
TEST_F(CliTest, ExitStatusTableIsTheSameInHelpManualPageAndReadme) {
  const Result list = Run({"help"});
  const auto at = list.out.find("exit statuses:\n");
  ASSERT_NE(at, std::string::npos) << list.out;
  std::vector<std::pair<std::string, std::string>> fromHelp;
  for (const std::string& line : Lines(list.out.substr(at))) {
    if (line.size() < 6 || line[0] != ' ') continue;
    fromHelp.emplace_back(line.substr(2, 2), line.substr(6));
    if (fromHelp.back().first[0] == ' ') fromHelp.back().first.erase(0, 1);
  }
  ASSERT_EQ(fromHelp.size(), 12u);

  const Result man = Run({"--man-page"});
  ASSERT_EQ(man.status, 0);
  std::vector<std::pair<std::string, std::string>> fromReadme;
  for (const std::string& line : Lines(ReadAll(fs::path(RADIOPROG_SOURCE_DIR) / "README.md")))
    if (line.rfind("| ", 0) == 0 && line.size() > 4 &&
        std::isdigit(static_cast<unsigned char>(line[2]))) {
      const auto bar = line.find(" | ", 2);
      fromReadme.emplace_back(line.substr(2, bar - 2), line.substr(bar + 3, line.size() - bar - 5));
    }
  EXPECT_EQ(fromReadme, fromHelp) << "README's exit status table differs from the program's";
  for (const auto& [status, meaning] : fromHelp) {
    std::string roff;
    for (const char c : meaning) roff += c == '-' ? std::string("\\-") : std::string(1, c);
    EXPECT_NE(man.out.find(".B " + status + "\n" + roff + "\n"), std::string::npos) << status;
  }
  EXPECT_NE(man.out.find(".SH EXIT STATUS"), std::string::npos);
}

}  // namespace
}  // namespace radio
