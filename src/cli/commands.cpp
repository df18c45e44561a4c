#include "cli/commands.h"

namespace radio::cli {

// One declaration and one table line per subcommand.
extern const CliCommand kNewCommand;
extern const CliCommand kInfoCommand;
extern const CliCommand kChannelsCommand;
extern const CliCommand kReadCommand;
extern const CliCommand kWriteCommand;
extern const CliCommand kPortsCommand;
extern const CliCommand kFindCommand;
extern const CliCommand kExportCsvCommand;
extern const CliCommand kImportCsvCommand;
extern const CliCommand kSquelchReadCommand;
extern const CliCommand kSquelchWriteCommand;
extern const CliCommand kPrintCommand;
extern const CliCommand kDiffCommand;

std::span<const CliCommand> AllCommands() {
  static const CliCommand commands[] = {
      {"", "", nullptr},
      kNewCommand,
      kInfoCommand,
      kChannelsCommand,
      kReadCommand,
      kWriteCommand,
      kPortsCommand,
      kFindCommand,
      kExportCsvCommand,
      kImportCsvCommand,
      kSquelchReadCommand,
      kSquelchWriteCommand,
      kPrintCommand,
      kDiffCommand,
  };
  return std::span<const CliCommand>(commands).subspan(1);
}

}  // namespace radio::cli
