// radioprog-cli diff A.dat B.dat [--lang en|zh]: what differs between two
// radio images, by meaning, one line per difference. Exit statuses as
// diff(1) gives them: 0 equal, 1 different, 2 trouble.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <QJsonArray>
#include <QJsonObject>
#include <span>

#include "cli/args.h"
#include "cli/json_output.h"
#include "compare/image_diff.h"
#include "image/bytes.h"
#include "image/channel_codec.h"
#include "image/dat_file.h"
#include "image/name_text.h"
#include "interchange/channel_name_text.h"

namespace radio::cli {

namespace {
constexpr const char* kUsage = "diff A.dat B.dat [--lang en|zh] [--json]";
constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

bool Load(const std::string& path, const char* which, RadioImage& image, Language lang) {
  std::error_code folderError;
  if (std::filesystem::is_directory(path, folderError)) {
    Fail(kExitTrouble, std::string("the ") + which + " argument \"" + path +
                           "\" is a folder; diff compares two .dat files");
    return false;
  }
  std::string error;
  if (!LoadDatFile(path, image, error, lang)) {
    Fail(kExitTrouble, error);
    return false;
  }
  // Only the image is compared; say so rather than call longer files equal.
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > kImageSize)
    std::fprintf(stderr, "radioprog-cli: \"%s\" is %llu bytes; only its first 6144 are compared\n",
                 path.c_str(), static_cast<unsigned long long>(size));
  return true;
}
// One difference for scripts: where, what, before and after; a channel
// name also with its stored bytes in hex on both sides.
QJsonObject DifferenceJson(const ImageDifference& d, const RadioImage& before,
                           const RadioImage& after, const NameDecoder& decodeName, Language lang) {
  QJsonObject out{{"text", Utf8(DifferenceText(d, lang))},
                  {"place", Utf8(d.place)},
                  {"label", Utf8(d.label)},
                  {"before", Utf8(d.before)},
                  {"after", Utf8(d.after)},
                  {"offset", static_cast<qint64>(d.offset)},
                  {"length", static_cast<qint64>(d.length)}};
  if (d.channel) out["channel"] = d.channel;
  if (d.column) out["column"] = d.column;
  if (d.kind == DifferenceKind::Channel && d.column == kChannelName + 1) {
    // A name cell's offset is the first byte of the record's name field.
    const auto field = [&d](const RadioImage& image) {
      return ReadTextField(std::span(image.data() + d.offset, kChannelNameBytes));
    };
    SetName(out, "before", field(before), decodeName);
    SetName(out, "after", field(after), decodeName);
  }
  return out;
}

}  // namespace

int RunDiff(const Args& args) {
  ParsedArgs a;
  if (auto exit = ParseCommandArgs(args, {{"--json"}, {"--lang"}, 2, 2}, kUsage, a))
    return *exit == kExitOk ? kExitOk : kExitTrouble;
  const std::string lang = a.Value("--lang").value_or("en");
  if (lang != "en" && lang != "zh") return Fail(kExitTrouble, "--lang takes en or zh");
  const Language language = lang == "zh" ? Language::Chinese : Language::English;

  RadioImage before{}, after{};
  if (!Load(a.positional[0], "first", before, language) ||
      !Load(a.positional[1], "second", after, language))
    return kExitTrouble;
  const NameDecoder decodeName = GridNameDecoder(language);
  const auto differences = DiffImages(before, after, language, decodeName);
  if (a.Has("--json")) {
    QJsonArray list;
    for (const ImageDifference& d : differences)
      list.append(DifferenceJson(d, before, after, decodeName, language));
    PrintJson({{"before", Utf8(a.positional[0])},
               {"after", Utf8(a.positional[1])},
               {"equal", differences.empty()},
               {"differences", list}});
  } else {
    for (const ImageDifference& d : differences)
      std::printf("%s\n", DifferenceText(d, language).c_str());
  }
  return differences.empty() ? kExitSame : kExitDifferent;
}

extern const CliCommand kDiffCommand = {
    .name = "diff",
    .usage = kUsage,
    .run = RunDiff,
    .outputFailedStatus = kExitTrouble,
    .summary =
        "Shows what differs between two radio images, by meaning, one line per difference; --json "
        "writes one JSON document (channel names also as their stored bytes in hex)."};

}  // namespace radio::cli
