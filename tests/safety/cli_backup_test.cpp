// radioprog-cli read keeps a copy of every complete read in the per-user
// backup folder (unless --no-backup), and an overwritten output keeps its
// .bak; radioprog-sim plays the radio on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>

#include "cli/cli_command.h"
#include "support/run_program.h"
#include "support/sim_process.h"

namespace radio {
namespace {

namespace fs = std::filesystem;

const QString kProgramDir = RADIOPROG_PROGRAM_DIR;

class CliBackupTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_FALSE(sim_.Device().isEmpty());
    // The CLI's per-user data folder is under the data home: ours.
    setenv("XDG_DATA_HOME", (Dir() / "data").c_str(), 1);
  }
  fs::path Dir() const { return fs::path(dir_.path().toStdString()); }
  fs::path Backups() const { return Dir() / "data" / "radioprog" / "backups"; }
  std::vector<fs::path> BackupFiles() const {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(Backups(), ec)) files.push_back(e.path());
    return files;
  }
  test::ProgramResult Read(std::vector<std::string> extra) {
    std::vector<std::string> args = {"read", "--port", sim_.Device().toStdString(), "-o",
                                     "out.dat"};
    args.insert(args.end(), extra.begin(), extra.end());
    return test::RunProgram(kProgramDir.toStdString() + "/radioprog-cli", Dir(), args, Dir());
  }
  QTemporaryDir dir_;
  test::SimProcess sim_;
};

TEST_F(CliBackupTest, ReadKeepsOneCopyUnlessToldNotTo) {
  test::ProgramResult r = Read({"--no-backup"});
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  EXPECT_TRUE(BackupFiles().empty());
  EXPECT_EQ(r.err.find("backup"), std::string::npos) << r.err;

  const std::string first = test::ReadAll(Dir() / "out.dat");
  r = Read({});
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  const auto files = BackupFiles();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].extension(), ".dat");
  EXPECT_EQ(test::ReadAll(files[0]), test::ReadAll(Dir() / "out.dat"));
  EXPECT_NE(r.err.find(files[0].filename().string()), std::string::npos) << r.err;
  // The output existed: the earlier read is its .bak.
  EXPECT_EQ(test::ReadAll(Dir() / "out.dat.bak"), first);
  EXPECT_EQ(first.size(), 6144u);
}

TEST_F(CliBackupTest, AnUnwritableBackupFolderOnlyWarns) {
  fs::create_directories(Backups().parent_path());
  std::ofstream(Backups()) << "not a folder";
  const test::ProgramResult r = Read({});
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  EXPECT_EQ(test::ReadAll(Dir() / "out.dat").size(), 6144u);
  EXPECT_NE(r.err.find("warning: no backup copy kept"), std::string::npos) << r.err;
  EXPECT_EQ(test::ReadAll(Backups()), "not a folder");
}

TEST_F(CliBackupTest, UsageNamesTheOption) {
  const test::ProgramResult r =
      test::RunProgram(kProgramDir.toStdString() + "/radioprog-cli", Dir(), {"--help"}, Dir());
  EXPECT_NE(r.out.find("--no-backup"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace radio
