// One subcommand of radioprog-cli: its name, its usage, what it does and its
// entry. The command list, `help COMMAND`, `COMMAND --help`, usage errors
// and the manual page all print these same texts.
#pragma once

#include <string>
#include <vector>

namespace radio::cli {

// Exit statuses shared by every subcommand.
enum ExitStatus {
  kExitOk = 0,
  kExitUsage = 2,           // bad arguments
  kExitFile = 3,            // a file could not be read or written
  kExitRowsSkipped = 4,     // an import skipped rows with errors
  kExitNothingToPrint = 5,  // the chosen sections have no pages
  kExitPort = 10,           // the serial port could not be opened
  kExitCommunication = 11,  // no answer from the radio
  kExitInterrupted = 12,    // the transfer broke off
  kExitBandType = 13,       // the radio's band type was refused
  kExitPassword = 14,       // the power-on password differs
  kExitNoRadio = 15,        // find: no radio answered on any port tried
};

// What each exit status means, for `radioprog-cli help` and the manual page.
struct ExitStatusText {
  int status;
  const char* meaning;
};
inline constexpr ExitStatusText kExitStatusTable[] = {
    {kExitOk, "success (diff: the images are equal)"},
    {1, "diff: the images differ"},
    {kExitUsage, "bad arguments (diff: any trouble)"},
    {kExitFile, "a file could not be read or written"},
    {kExitRowsSkipped, "import-csv skipped rows with errors (--skip-bad)"},
    {kExitNothingToPrint, "print: the chosen sections have no pages"},
    {kExitPort, "the serial port could not be opened"},
    {kExitCommunication, "no answer from the radio"},
    {kExitInterrupted, "the transfer broke off"},
    {kExitBandType, "the radio's band type was refused"},
    {kExitPassword, "the power-on password differs"},
    {kExitNoRadio, "find: no radio answered on any port"},
};

using Args = std::vector<std::string>;

// A command registers itself with one definition in its own file,
//   extern const CliCommand kFindCommand = {.name = "find", .usage = kUsage,
//                                           .run = RunFind, .summary = "..."};
// and one declaration and one table line in commands.cpp.
struct CliCommand {
  const char* name;
  // The arguments, starting with the name: "info FILE.dat [--json]". Further
  // lines (after '\n') explain options.
  const char* usage;
  int (*run)(const Args& args);
  // The exit status when standard output could not be written.
  int outputFailedStatus = kExitFile;
  // One sentence on what the command does.
  const char* summary = nullptr;
};

}  // namespace radio::cli
