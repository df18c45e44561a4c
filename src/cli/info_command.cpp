// radioprog-cli info FILE.dat: a short summary of a radio image.
#include <cstdio>
#include <filesystem>
#include <span>
#include <system_error>

#include "cli/args.h"
#include "cli/json_output.h"
#include "cli/program_ini.h"
#include "cli/squelch_values.h"
#include "features/optional_features_fields.h"
#include "image/band_limits.h"
#include "image/bytes.h"
#include "image/channel_codec.h"
#include "image/dat_file.h"
#include "safety/backup_name.h"

namespace radio::cli {
namespace {

qint64 Mhz(std::int64_t tenHz) {
  return static_cast<qint64>(tenHz / 100000);
}

}  // namespace

namespace {
constexpr const char* kUsage = "info FILE.dat [--json]";
}

int RunInfo(const Args& args) {
  ParsedArgs a;
  if (auto exit = ParseCommandArgs(args, {{"--json"}, {}, 1, 1}, kUsage, a)) return *exit;
  const std::string& path = a.positional[0];

  RadioImage image;
  std::string error;
  if (!LoadDatFile(path, image, error)) return Fail(kExitFile, error);
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);

  int used = 0;
  for (int i = 0; i < kFrRecord; ++i)
    if (!IsEmptyChannelRecord(image.data() + static_cast<std::size_t>(i) * kChannelRecordSize))
      ++used;
  const bool frUsed = !IsEmptyChannelRecord(image.data() + kFrRecord * kChannelRecordSize);

  const BandLimits bands = DecodeBandLimits(ReadBandLimitBlock(image));
  const int type = image[kModelTypeOffset];
  CIniFile ini;
  LoadProgramIni(ini);
  const std::string typeKey = "Type" + std::to_string(type + 1);
  const std::string model = ModelNameOfImage(image, ini);
  // Any stored byte counts as a password, digits or not.
  const bool password =
      !ReadTextField(std::span(image.data() + kPasswordOffset, kPasswordLength)).empty();

  if (a.Has("--json")) {
    PrintJson(
        {{"file", Utf8(path)},
         {"size", static_cast<double>(ec ? kImageSize : size)},
         {"band1", QJsonObject{{"lowerMHz", Mhz(bands.lower1)}, {"upperMHz", Mhz(bands.upper1)}}},
         {"band2", QJsonObject{{"lowerMHz", Mhz(bands.lower2)}, {"upperMHz", Mhz(bands.upper2)}}},
         {"modelType", type},
         {"model", Utf8(model)},
         {"usedChannels", used},
         {"frUsed", frUsed},
         {"password", password},
         {"squelch", Utf8(DescribeSquelchValues(image))}});
    return kExitOk;
  }
  std::printf("File:          %s\n", path.c_str());
  if (ec || size == kImageSize)
    std::printf("Size:          6144 bytes (ok)\n");
  else
    std::printf("Size:          %llu bytes (only the first 6144 are used)\n",
                static_cast<unsigned long long>(size));
  std::printf("Band 1:        %lld-%lld MHz\n", Mhz(bands.lower1), Mhz(bands.upper1));
  std::printf("Band 2:        %lld-%lld MHz\n", Mhz(bands.lower2), Mhz(bands.upper2));
  if (model.empty())
    std::printf("Model type:    %d\n", type);
  else
    std::printf("Model type:    %d (%s: %s)\n", type, typeKey.c_str(), model.c_str());
  std::printf("Used channels: %d of 128, Fr %s\n", used, frUsed ? "used" : "empty");
  std::printf("Password:      %s\n", password ? "set" : "not set");
  std::printf("Squelch:       %s\n", DescribeSquelchValues(image).c_str());
  return kExitOk;
}

extern const CliCommand kInfoCommand = {
    .name = "info",
    .usage = kUsage,
    .run = RunInfo,
    .summary =
        "Shows a short summary of a radio image: size, bands, model type, used channels, password, "
        "squelch; --json writes it as one JSON document."};

}  // namespace radio::cli
