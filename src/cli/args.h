// Argument parsing shared by the radioprog-cli subcommands: flags, options
// with a value ("-o FILE", "--lang zh" or "--lang=zh"), positional
// arguments, "--help", and the error reports every subcommand gives.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "image/language.h"
#include "image/radio_image.h"

namespace radio::cli {

struct ArgSpec {
  std::vector<std::string> flags;         // e.g. "--all"
  std::vector<std::string> valueOptions;  // e.g. "-o", "--lang"
  std::size_t minPositional = 0;
  std::size_t maxPositional = 0;
};

struct ParsedArgs {
  std::vector<std::string> positional;
  std::set<std::string> flags;
  std::map<std::string, std::string> values;
  bool help = false;

  bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
  std::optional<std::string> Value(const std::string& option) const;
};

// False with a message in `error` on an unknown option, an option without
// its value, or too few or too many positional arguments.
bool ParseArgs(const Args& args, const ArgSpec& argSpec, ParsedArgs& out, std::string& error);

// Parses for a subcommand. On "--help" prints `usage` to stdout and gives
// exit status 0; on a mistake reports it (UsageError) and gives kExitUsage;
// otherwise gives nothing and the subcommand goes on.
std::optional<int> ParseCommandArgs(const Args& args, const ArgSpec& argSpec, const char* usage,
                                    ParsedArgs& out);

// The command running now, named by every message (set once by main).
void SetRunningCommand(const std::string& name);

// "radioprog-cli COMMAND: <message>" on stderr; returns `status`.
int Fail(int status, const std::string& message);

// "radioprog-cli COMMAND: <reason>", then the command's usage and where to
// read more, on stderr; returns kExitUsage.
int UsageError(const char* usage, const std::string& reason);

// Saves a radio image as every command writing a .dat does (atomically,
// the old file kept as .bak). Prints the fault, or a warning when no .bak
// could be kept, as "radioprog-cli <command>: …" in `lang`; false when not
// saved.
bool SaveImageFile(const std::string& path, const RadioImage& image, const char* command,
                   Language lang = Language::English);

// Refuses (kExitUsage, with the message) an output that is one of the
// inputs, however either is spelt: relative, absolute, through "..", a
// symbolic or a hard link.
std::optional<int> RefuseOutputOverInput(const std::string& output,
                                         std::initializer_list<std::string> inputs);

}  // namespace radio::cli
