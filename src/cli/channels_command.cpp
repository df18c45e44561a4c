// radioprog-cli channels FILE.dat: the channel table as the grid shows it,
// one TAB-separated line per row: row label, then the nine texts. Names are
// decoded as the grid decodes them and written as UTF-8; a control byte in
// one cannot split the line or its fields.
#include <QJsonArray>
#include <cstdio>
#include <string>

#include "cli/args.h"
#include "cli/json_output.h"
#include "image/channel_codec.h"
#include "image/dat_file.h"
#include "image/name_text.h"
#include "interchange/channel_name_text.h"

namespace radio::cli {

namespace {
constexpr const char* kUsage = "channels FILE.dat [--all] [--lang en|zh] [--json]";

// The grid's columns as JSON keys, in column order.
constexpr const char* kJsonKeys[kChannelFieldCount] = {"rxFrequency", "txFrequency", "decodeTone",
                                                       "encodeTone",  "name",        "power",
                                                       "bandwidth",   "scanAdd",     "busyLock"};
}  // namespace

int RunChannels(const Args& args) {
  ParsedArgs a;
  if (auto exit = ParseCommandArgs(args, {{"--all", "--json"}, {"--lang"}, 1, 1}, kUsage, a))
    return *exit;
  const std::string lang = a.Value("--lang").value_or("en");
  if (lang != "en" && lang != "zh") return Fail(kExitUsage, "--lang takes en or zh");

  RadioImage image;
  std::string error;
  if (!LoadDatFile(a.positional[0], image, error)) return Fail(kExitFile, error);

  ChannelTable table;
  BandState band;
  const Language language = lang == "zh" ? Language::Chinese : Language::English;
  DecodeChannelTable(image, table, band, language);
  const NameDecoder decodeName = GridNameDecoder(language);
  const bool all = a.Has("--all");
  const bool json = a.Has("--json");
  QJsonArray channels;
  for (int i = 0; i < kChannelRecords; ++i) {
    const ChannelRow& row = table[static_cast<std::size_t>(i)];
    if (!all && IsBlankRow(row)) continue;
    if (json) {
      QJsonObject channel{{"row", Utf8(ChannelRowLabel(i))}};
      for (int field = 0; field < kChannelFieldCount; ++field) {
        const std::string& text = row[static_cast<std::size_t>(field)];
        if (field == kChannelName)
          SetName(channel, kJsonKeys[field], text, decodeName);
        else
          channel[kJsonKeys[field]] = Utf8(text);
      }
      channels.append(channel);
      continue;
    }
    std::string line = ChannelRowLabel(i);
    for (int field = 0; field < kChannelFieldCount; ++field) {
      const std::string& text = row[static_cast<std::size_t>(field)];
      line += '\t' + EscapeControlCharacters(field == kChannelName ? decodeName(text) : text);
    }
    std::printf("%s\n", line.c_str());
  }
  if (json) PrintJson({{"file", Utf8(a.positional[0])}, {"channels", channels}});
  return kExitOk;
}

extern const CliCommand kChannelsCommand = {
    .name = "channels",
    .usage = kUsage,
    .run = RunChannels,
    .summary =
        "Lists the channels as the grid shows them, one line per channel: the row label and nine "
        "TAB-separated texts. Names are decoded for --lang and written in UTF-8; control bytes, "
        "TAB and backslash appear as \\xHH. --all lists empty rows too; --json writes one JSON "
        "document instead, each name also as its stored bytes in hex."};

}  // namespace radio::cli
