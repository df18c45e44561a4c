// radioprog-cli: the program's core without a window, for scripts, dealers
// programming many radios, and tests.
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
    return 0;
  }
  if (name == "--version" || name == "version") {
    std::printf("radioprog-cli %s\n", RADIOPROG_VERSION);
    return 0;
  }
  for (const CliCommand& c : radio::cli::AllCommands()) {
    if (name == c.name) return c.run(radio::cli::Args(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "radioprog-cli: unknown command \"%s\"\n", name.c_str());
  PrintUsage(stderr);
  return radio::cli::kExitUsage;
}
