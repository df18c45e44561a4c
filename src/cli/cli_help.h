// The texts radioprog-cli prints about itself, all made from the command
// table: the command list, one command's help and the manual page.
#pragma once

#include <cstdio>
#include <string>

#include "cli/cli_command.h"

namespace radio::cli {

// The command of that name, or nullptr.
const CliCommand* FindCommand(const std::string& name);

// "usage: radioprog-cli COMMAND [ARGS]", every command's usage and what it
// does, and the exit statuses.
void PrintCommandList(std::FILE* out);

// One command: its usage and what it does.
void PrintCommandHelp(std::FILE* out, const CliCommand& command);

// The manual page radioprog-cli(1) in roff, for `man`.
void PrintManPage(std::FILE* out, const char* version);

}  // namespace radio::cli
