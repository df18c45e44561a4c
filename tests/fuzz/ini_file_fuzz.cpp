// libFuzzer target: any bytes as Program.ini. Any file loads; after the
// Language dialog's change (Setup / Language = Chinese) the file is saved,
// and loading the saved file gives exactly the sections, keys and values
// that were held in memory, in the same order.
#include <cstdint>
#include <filesystem>

#include "base/ini_file.h"
#include "fuzz/fuzz_support.h"

namespace {

namespace fs = std::filesystem;
using radio::fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path folder = radio::fuzz::ScratchFolder() / "ini";
  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path file = folder / "Program.ini";
  radio::fuzz::WriteFile(file, {data, size});

  radio::CIniFile held;
  Check(held.LoadPath(file.string(), false, true, false), "any file loads");
  Check(!held.Sections().empty() && held.Sections().front().name.empty(),
        "the keys before the first header have their unnamed section");
  held.Set("Setup", "Language", "Chinese");
  held.Save(false);
  Check(held.LastSaveOk(), "the file can be saved");

  radio::CIniFile reloaded;
  Check(reloaded.LoadPath(file.string(), false, true, false), "the saved file loads");
  Check(reloaded.Sections() == held.Sections(),
        "the saved file gives back the same sections, keys and values");
  Check(reloaded.Get("Setup", "Language", "") == "Chinese", "the changed value is saved");
  return 0;
}
