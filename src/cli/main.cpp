// radioprog-cli: the program's core without a window, for scripts, dealers
// programming many radios, and tests.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli_command.h"
#include "cli/commands.h"
#include "cli/program_ini.h"

namespace {

using radio::cli::CliCommand;

void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage: radioprog-cli COMMAND [ARGS]\n\ncommands:\n");
  for (const CliCommand& c : radio::cli::AllCommands()) std::fprintf(out, "  %s\n", c.usage);
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

}  // namespace

int main(int argc, char** argv) {
  radio::cli::SetInvocationPath(argc > 0 ? argv[0] : "");
  if (argc < 2) {
    PrintUsage(stderr);
    return radio::cli::kExitUsage;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(stdout);
    return CheckedOutput(0, radio::cli::kExitFile);
  }
  if (name == "--version" || name == "version") {
    std::printf("radioprog-cli %s\n", RADIOPROG_VERSION);
    return CheckedOutput(0, radio::cli::kExitFile);
  }
  for (const CliCommand& c : radio::cli::AllCommands()) {
    if (name == c.name)
      return CheckedOutput(c.run(radio::cli::Args(argv + 2, argv + argc)), c.outputFailedStatus);
  }
  std::fprintf(stderr, "radioprog-cli: unknown command \"%s\"\n", name.c_str());
  PrintUsage(stderr);
  return radio::cli::kExitUsage;
}
