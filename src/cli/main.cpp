// radioprog-cli: the program's core without a window, for scripts, dealers
// programming many radios, and tests.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/args.h"
#include "cli/cli_command.h"
#include "cli/cli_help.h"
#include "cli/program_ini.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

using radio::cli::CliCommand;
using radio::cli::PrintCommandList;

// "-h" or "--help" among a command's options (before a "--").
bool AsksForHelp(int argc, char** argv) {
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") return false;
    if (arg == "-h" || arg == "--help") return true;
  }
  return false;
}

// Output that could not be written (a full disk, a closed pipe) is a
// failure, whatever the command itself made of its run.
int CheckedOutput(int status, int outputFailedStatus) {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  if (flushed && !std::ferror(stdout)) return status;
  std::fprintf(stderr, "radioprog-cli: cannot write the output: %s\n",
               !flushed && errno ? std::strerror(errno) : "write error");
  return status == radio::cli::kExitOk || status < outputFailedStatus ? outputFailedStatus : status;
}

// Windows would turn every "\n" of the output into "\r\n", so CSV lines
// would end "\r\r\n" and nothing would match the same command elsewhere;
// and its console shows the UTF-8 the commands write only when told to.
void UseBinaryUtf8Output() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryUtf8Output();
  radio::cli::SetInvocationPath(argc > 0 ? argv[0] : "");
  if (argc < 2) {
    PrintCommandList(stderr);
    return radio::cli::kExitUsage;
  }
  const std::string name = argv[1];
  if (name == "help" && argc == 3) {
    const CliCommand* command = radio::cli::FindCommand(argv[2]);
    if (!command) {
      std::fprintf(stderr, "radioprog-cli help: there is no command \"%s\"\n", argv[2]);
      PrintCommandList(stderr);
      return radio::cli::kExitUsage;
    }
    radio::cli::PrintCommandHelp(stdout, *command);
    return CheckedOutput(0, radio::cli::kExitFile);
  }
  if (name == "--help" || name == "-h" || (name == "help" && argc == 2)) {
    PrintCommandList(stdout);
    return CheckedOutput(0, radio::cli::kExitFile);
  }
  // The build writes the manual page from the same texts as --help.
  if (name == "--man-page" && argc == 2) {
    radio::cli::PrintManPage(stdout, RADIOPROG_VERSION);
    return CheckedOutput(0, radio::cli::kExitFile);
  }
  if (name == "--version" || name == "version") {
    std::printf("radioprog-cli %s\n", RADIOPROG_VERSION);
    return CheckedOutput(0, radio::cli::kExitFile);
  }
  if (const CliCommand* c = radio::cli::FindCommand(name)) {
    if (AsksForHelp(argc, argv)) {
      radio::cli::PrintCommandHelp(stdout, *c);
      return CheckedOutput(0, radio::cli::kExitFile);
    }
    radio::cli::SetRunningCommand(c->name);
    return CheckedOutput(c->run(radio::cli::Args(argv + 2, argv + argc)), c->outputFailedStatus);
  }
  std::fprintf(stderr, "radioprog-cli: unknown command \"%s\"\n", name.c_str());
  PrintCommandList(stderr);
  return radio::cli::kExitUsage;
}
