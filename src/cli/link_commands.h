// The radio link subcommands of radioprog-cli.
#pragma once

#include "cli/cli_command.h"

namespace radio::cli {

inline constexpr const char kReadUsage[] =
    "read --port PORT -o FILE.dat [--password DIGITS] [--retries N] [--in FILE.dat]";
inline constexpr const char kWriteUsage[] =
    "write --port PORT [--port PORT2 ...] FILE.dat [--retries N]";
inline constexpr const char kPortsUsage[] = "ports";

int RunRead(const Args& args);
int RunWrite(const Args& args);
int RunPorts(const Args& args);

}  // namespace radio::cli
