// radioprog-cli import-csv FILE.dat IN.csv -o OUT.dat [--skip-bad]: FILE.dat
// with the channels IN.csv names, written to OUT.dat. Rows with errors are
// skipped and reported with their line; the good rows are written all the
// same. Neither input file is changed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/args.h"
#include "image/dat_file.h"
#include "interchange/channel_csv_import.h"
#include "interchange/gbk_name_charset.h"

namespace radio::cli {

namespace {
constexpr const char* kUsage = "import-csv FILE.dat IN.csv -o OUT.dat [--skip-bad]";

bool ReadCsvFile(const std::string& path, std::string& text, std::string& error) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) {
    error = "Cannot open \"" + path + "\".";
    return false;
  }
  if (size > kLargestChannelCsv) {
    error = "\"" + path + "\" is too large for a channel list.";
    return false;
  }
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

}  // namespace

int RunImportCsv(const Args& args) {
  ParsedArgs a;
  if (auto exit = ParseCommandArgs(args, {{"--skip-bad"}, {"-o"}, 2, 2}, kUsage, a)) return *exit;
  const std::string& datPath = a.positional[0];
  const std::string& csvPath = a.positional[1];
  const auto output = a.Value("-o");
  if (!output)
    return Fail(kExitUsage, "-o OUT.dat is required\nusage: radioprog-cli " + std::string(kUsage));
  if (auto refused = RefuseOutputOverInput(*output, {datPath, csvPath})) return *refused;

  RadioImage image;
  std::string error, csv;
  if (!LoadDatFile(datPath, image, error)) return Fail(kExitFile, error);
  if (!ReadCsvFile(csvPath, csv, error)) return Fail(kExitFile, error);

  // Names may come as GBK characters (as the desktop program writes them)
  // or as "\xHH" escapes (as export-csv writes them).
  const ChannelImportPlan plan =
      PlanChannelImport(csv, image, DecodeBandLimits(ReadBandLimitBlock(image)), Language::English,
                        &GbkNameCharset());
  for (const ImportProblem& p : plan.AllProblems()) {
    const bool warning = p.severity == ImportSeverity::kWarning;
    std::fprintf(stderr, "%s: %s (%s)\n", csvPath.c_str(), p.Text().c_str(),
                 warning           ? "warning"
                 : plan.Readable() ? "row skipped"
                                   : "nothing imported");
  }
  if (!plan.Readable()) return kExitFile;

  ApplyChannelImport(plan, image);
  if (!SaveImageFile(*output, image, "import-csv")) return kExitFile;
  const int skipped = plan.SkippedRows();
  std::fprintf(stderr, "%s: %d rows taken, %d channels changed, %d rows skipped\n", csvPath.c_str(),
               static_cast<int>(plan.rows.size()) - skipped, plan.ChangedChannels(), skipped);
  return skipped > 0 && !a.Has("--skip-bad") ? kExitRowsSkipped : kExitOk;
}

extern const CliCommand kImportCsvCommand = {"import-csv", kUsage, RunImportCsv};

}  // namespace radio::cli
