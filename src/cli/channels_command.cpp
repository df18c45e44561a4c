// radioprog-cli channels FILE.dat: the channel table as the grid shows it,
// one TAB-separated line per row: row label, then the nine texts.
#include <cstdio>
#include <string>

#include "cli/args.h"
#include "image/channel_codec.h"
#include "image/dat_file.h"

namespace radio::cli {

namespace {
constexpr const char* kUsage = "channels FILE.dat [--all] [--lang en|zh]";
}

int RunChannels(const Args& args) {
  ParsedArgs a;
  if (auto exit = ParseCommandArgs(args, {{"--all"}, {"--lang"}, 1, 1}, kUsage, a)) return *exit;
  const std::string lang = a.Value("--lang").value_or("en");
  if (lang != "en" && lang != "zh") return Fail(kExitUsage, "--lang takes en or zh");

  RadioImage image;
  std::string error;
  if (!LoadDatFile(a.positional[0], image, error)) return Fail(kExitFile, error);

  ChannelTable table;
  BandState band;
  DecodeChannelTable(image, table, band, lang == "zh" ? Language::Chinese : Language::English);
  const bool all = a.Has("--all");
  for (int i = 0; i < kChannelRecords; ++i) {
    const ChannelRow& row = table[static_cast<std::size_t>(i)];
    if (!all && IsBlankRow(row)) continue;
    std::string line = ChannelRowLabel(i);
    for (const std::string& text : row) line += '\t' + text;
    std::printf("%s\n", line.c_str());
  }
  return kExitOk;
}

extern const CliCommand kChannelsCommand = {"channels", kUsage, RunChannels};

}  // namespace radio::cli
