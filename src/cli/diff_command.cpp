// radioprog-cli diff A.dat B.dat [--lang en|zh]: what differs between two
// radio images, by meaning, one line per difference. Exit statuses as
// diff(1) gives them: 0 equal, 1 different, 2 trouble.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/args.h"
#include "compare/image_diff.h"
#include "image/dat_file.h"
#include "image/name_text.h"

namespace radio::cli {

namespace {
constexpr const char* kUsage = "diff A.dat B.dat [--lang en|zh]";
constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

bool Load(const std::string& path, RadioImage& image, Language lang) {
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
}  // namespace

int RunDiff(const Args& args) {
  ParsedArgs a;
  if (auto exit = ParseCommandArgs(args, {{}, {"--lang"}, 2, 2}, kUsage, a))
    return *exit == kExitOk ? kExitOk : kExitTrouble;
  const std::string lang = a.Value("--lang").value_or("en");
  if (lang != "en" && lang != "zh") return Fail(kExitTrouble, "--lang takes en or zh");
  const Language language = lang == "zh" ? Language::Chinese : Language::English;

  RadioImage before{}, after{};
  if (!Load(a.positional[0], before, language) || !Load(a.positional[1], after, language))
    return kExitTrouble;
  const auto differences = DiffImages(before, after, language, GridNameDecoder(language));
  for (const ImageDifference& d : differences)
    std::printf("%s\n", DifferenceText(d, language).c_str());
  return differences.empty() ? kExitSame : kExitDifferent;
}

extern const CliCommand kDiffCommand = {"diff", kUsage, RunDiff, kExitTrouble};

}  // namespace radio::cli
