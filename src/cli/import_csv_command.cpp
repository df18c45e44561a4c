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
constexpr const char* kUsage = "import-csv FILE.dat IN.csv -o OUT.dat [--skip-bad] [--lang en|zh]";

bool ReadCsvFile(const std::string& path, std::string& text, std::string& error, Language lang) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) {
    error = FillIn(Tr(lang, "Cannot open \"%1\".", "无法打开“%1”。"), {path});
    return false;
  }
  if (size > kLargestChannelCsv) {
    error = FillIn(Tr(lang, "\"%1\" is too large for a channel list.", "“%1”太大，不是信道列表。"),
                   {path});
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
  if (auto exit = ParseCommandArgs(args, {{"--skip-bad"}, {"-o", "--lang"}, 2, 2}, kUsage, a))
    return *exit;
  const std::string langName = a.Value("--lang").value_or("en");
  if (langName != "en" && langName != "zh") return Fail(kExitUsage, "--lang takes en or zh");
  const Language lang = langName == "zh" ? Language::Chinese : Language::English;
  const std::string& datPath = a.positional[0];
  const std::string& csvPath = a.positional[1];
  const auto output = a.Value("-o");
  if (!output)
    return Fail(kExitUsage, "-o OUT.dat is required\nusage: radioprog-cli " + std::string(kUsage));
  if (auto refused = RefuseOutputOverInput(*output, {datPath, csvPath})) return *refused;

  RadioImage image;
  std::string error, csv;
  if (!LoadDatFile(datPath, image, error, lang)) return Fail(kExitFile, error);
  if (!ReadCsvFile(csvPath, csv, error, lang)) return Fail(kExitFile, error);

  // Names may come as GBK characters (as the desktop program writes them)
  // or as "\xHH" escapes (as export-csv writes them).
  const ChannelImportPlan plan = PlanChannelImport(
      csv, image, DecodeBandLimits(ReadBandLimitBlock(image)), lang, &GbkNameCharset());
  for (const ImportProblem& p : plan.AllProblems()) {
    const bool warning = p.severity == ImportSeverity::kWarning;
    std::fprintf(stderr, "%s: %s (%s)\n", csvPath.c_str(), p.Text(lang).c_str(),
                 warning           ? Tr(lang, "warning", "警告")
                 : plan.Readable() ? Tr(lang, "row skipped", "跳过该行")
                                   : Tr(lang, "nothing imported", "未导入任何信道"));
  }
  if (!plan.Readable()) return kExitFile;

  ApplyChannelImport(plan, image);
  if (!SaveImageFile(*output, image, "import-csv", lang)) return kExitFile;
  const int skipped = plan.SkippedRows();
  const std::string summary =
      FillIn(Tr(lang, "%1 rows taken, %2 channels changed, %3 rows skipped",
                "采用 %1 行，改变 %2 个信道，跳过 %3 行"),
             {std::to_string(static_cast<int>(plan.rows.size()) - skipped),
              std::to_string(plan.ChangedChannels()), std::to_string(skipped)});
  std::fprintf(stderr, "%s: %s\n", csvPath.c_str(), summary.c_str());
  return skipped > 0 && !a.Has("--skip-bad") ? kExitRowsSkipped : kExitOk;
}

extern const CliCommand kImportCsvCommand = {
    .name = "import-csv",
    .usage = kUsage,
    .run = RunImportCsv,
    .summary =
        "Reads channels from a CSV file into a copy of a .dat file; --skip-bad leaves out rows "
        "with errors."};

}  // namespace radio::cli
