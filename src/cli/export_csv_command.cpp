// radioprog-cli export-csv FILE.dat [-o OUT.csv]: channels 1-128 as CSV in
// the common radio layout, to OUT.csv (replaced atomically) or stdout.
#include <cstdio>
#include <string>

#include "cli/args.h"
#include "image/dat_file.h"
#include "interchange/channel_csv_export.h"

namespace radio::cli {

namespace {
constexpr const char* kUsage = "export-csv FILE.dat [-o OUT.csv]";
}

int RunExportCsv(const Args& args) {
  ParsedArgs a;
  if (auto exit = ParseCommandArgs(args, {{}, {"-o"}, 1, 1}, kUsage, a)) return *exit;
  const std::string& input = a.positional[0];
  RadioImage image;
  std::string error;
  if (!LoadDatFile(input, image, error)) return Fail(kExitFile, error);

  const std::string csv = ExportChannelsCsv(image, DecodeBandLimits(ReadBandLimitBlock(image)));
  const auto output = a.Value("-o");
  if (!output) {
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return kExitOk;
  }
  if (auto refused = RefuseOutputOverInput(*output, {input})) return *refused;
  if (!WriteFileAtomically(*output, csv.data(), csv.size(), error)) return Fail(kExitFile, error);
  return kExitOk;
}

extern const CliCommand kExportCsvCommand = {
    .name = "export-csv",
    .usage = kUsage,
    .run = RunExportCsv,
    .summary = "Writes channels 1-128 as CSV, to OUT.csv or standard output."};

}  // namespace radio::cli
