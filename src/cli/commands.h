// The table of radioprog-cli subcommands; each lives in a file of its own.
#pragma once

#include <span>

#include "cli/cli_command.h"

namespace radio::cli {

std::span<const CliCommand> AllCommands();

}  // namespace radio::cli
