#include "cli/program_ini.h"

#include "base/program_ini_check.h"

#include <cstdio>
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
  // program directory as it is. A file that is there but cannot be used
  // is said once; the commands go on without its settings.
  const std::string path = (dir / "Program.ini").string();
  const ProgramIniProblem problem = CheckProgramIni(path);
  static bool told = false;
  if (problem != ProgramIniProblem::Missing && problem != ProgramIniProblem::Empty &&
      problem != ProgramIniProblem::NoLanguage && problem != ProgramIniProblem::None) {
    if (!told)
      std::fprintf(stderr, "radioprog-cli: warning: %s Its settings are not used.\n",
                   ProgramIniProblemText(problem, path, Language::English).c_str());
    told = true;
    return false;
  }
  if (!fs::is_regular_file(path, ec)) return false;
  return ini.Load("Program.ini", /*saveOnClose=*/false, /*caseInsensitive=*/true,
                  /*makeBackup=*/false, program);
}

}  // namespace radio::cli
