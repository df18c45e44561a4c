// radioprog-cli new -o FILE.dat: writes the image of a new document.
#include <QString>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/settings_store.h"
#include "cli/args.h"
#include "cli/program_ini.h"
#include "image/radio_image.h"

namespace radio::cli {

namespace {
constexpr const char* kUsage = "new -o FILE.dat [--force]";
}

int RunNew(const Args& args) {
  ParsedArgs a;
  if (auto exit = ParseCommandArgs(args, {{"--force"}, {"-o"}, 0, 0}, kUsage, a)) return *exit;
  const auto output = a.Value("-o");
  if (!output || output->empty()) return Fail(kExitUsage, "new needs -o FILE.dat");

  std::error_code ec;
  if (std::filesystem::is_directory(*output, ec))
    return Fail(kExitFile, "\"" + *output + "\" is a folder.");
  if (std::filesystem::exists(*output, ec) && !a.Has("--force"))
    return Fail(kExitFile, "\"" + *output + "\" exists; add --force to replace it.");

  // The band limits last used, as the desktop program keeps them per user
  // under the AppName of Program.ini; without them the normalised default.
  CIniFile ini;
  LoadProgramIni(ini);
  const SettingsStore store(QString::fromStdString(ini.Get("Setup", "AppName", "")));
  BandLimitBytes bandBytes{};
  if (const auto field = store.ReadField()) bandBytes = *field;
  const RadioImage image = MakeNewImage(bandBytes);

  if (!SaveImageFile(*output, image, "new")) return kExitFile;
  std::printf("New radio image written to %s\n", output->c_str());
  return kExitOk;
}

extern const CliCommand kNewCommand = {
    .name = "new",
    .usage = kUsage,
    .run = RunNew,
    .summary =
        "Writes the radio image of a new document (the band limits last used, else the defaults)."};

}  // namespace radio::cli
