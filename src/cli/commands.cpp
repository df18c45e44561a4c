#include "cli/commands.h"

#include "cli/link_commands.h"

namespace radio::cli {

// One declaration and one table line per subcommand.

std::span<const CliCommand> AllCommands() {
  static const CliCommand commands[] = {
      {"", "", nullptr},
      {"read", kReadUsage, RunRead},
      {"write", kWriteUsage, RunWrite},
      {"ports", kPortsUsage, RunPorts},
  };
  return std::span<const CliCommand>(commands).subspan(1);
}

}  // namespace radio::cli
