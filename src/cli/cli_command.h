// One subcommand of radioprog-cli: its name, a one-line usage and its entry.
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

using Args = std::vector<std::string>;

struct CliCommand {
  const char* name;
  const char* usage;
  int (*run)(const Args& args);
  // The exit status when standard output could not be written.
  int outputFailedStatus = kExitFile;
};

}  // namespace radio::cli
