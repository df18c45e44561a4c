#include "cli/commands.h"

namespace radio::cli {

// One declaration and one table line per subcommand.
extern const CliCommand kNewCommand;
extern const CliCommand kInfoCommand;
extern const CliCommand kChannelsCommand;

std::span<const CliCommand> AllCommands() {
  static const CliCommand commands[] = {
      {"", "", nullptr},
      kNewCommand,
      kInfoCommand,
      kChannelsCommand,
  };
  return std::span<const CliCommand>(commands).subspan(1);
}

}  // namespace radio::cli
