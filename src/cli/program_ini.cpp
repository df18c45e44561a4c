#include "cli/program_ini.h"

#include <filesystem>
#include <system_error>

namespace radio::cli {
namespace fs = std::filesystem;
namespace {

std::string& InvocationPath() {
  static std::string path;
  return path;
}

}  // namespace

void SetInvocationPath(const std::string& argv0) {
  InvocationPath() = argv0;
}

std::string ProgramPath() {
  std::error_code ec;
  // argv[0] may be a bare name found through PATH; the link names the file.
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self.string();
  return InvocationPath();
}

bool LoadProgramIni(CIniFile& ini) {
  const std::string program = ProgramPath();
  const auto slash = program.find_last_of("/\\");
  std::error_code ec;
  const fs::path dir =
      slash == std::string::npos ? fs::current_path(ec) : fs::path(program.substr(0, slash));
  // Loading a missing file would create it empty; the CLI leaves the
  // program directory as it is.
  if (!fs::is_regular_file(dir / "Program.ini", ec)) return false;
  return ini.Load("Program.ini", /*saveOnClose=*/false, /*caseInsensitive=*/true,
                  /*makeBackup=*/false, program);
}

}  // namespace radio::cli
