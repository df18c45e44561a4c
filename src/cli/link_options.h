// What read and write on the command line share: their options, the
// program's settings (Program.ini's AppName for the per-user port devices)
// and the exit status of each ending of a clone run.
#pragma once

#include <QCoreApplication>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "image/language.h"
#include "image/radio_image.h"
#include "link/clone_engine.h"

namespace radio::cli {

struct LinkOptions {
  std::vector<std::string> ports;  // --port, in order
  std::string output;              // -o
  std::string input;               // --in
  std::optional<std::string> password;
  int retries = 0;
  std::vector<std::string> files;  // positional arguments
};

// Parses the options of read and write; prints the fault and returns false
// on anything it does not know.
bool ParseLinkOptions(const Args& args, const char* command, LinkOptions& options);

// Loads AppName and Language from Program.ini beside the program, when it is
// there (the command line never creates or changes it).
void LoadProgramSettings();

// The Qt core application a command talking to ports or the settings store
// needs, with the program's settings loaded. Lives for the command's run.
class CliQtSession {
 public:
  CliQtSession() { LoadProgramSettings(); }

 private:
  int argc_ = 1;
  char name_[14] = "radioprog-cli";
  char* argv_[2] = {name_, nullptr};
  QCoreApplication app_{argc_, argv_};
};

// A port argument as the engine opens it: COMn as typed, or a device path.
bool ValidPortArgument(const std::string& port);

// The document a read starts from: the --in file, or a new image. Prints
// the fault and returns false when the file cannot be loaded.
bool LoadStartImage(const LinkOptions& options, const char* command, RadioImage& image);

// The document a radio is programmed from: a regular file only, never a
// device (/dev/zero) or a pipe; of a longer file the first 6144 bytes, with
// a warning. Prints the fault and returns false when it cannot be used.
bool LoadImageToProgram(const std::string& path, const char* command, RadioImage& image);

// "PORT: The cable added about N ms to each answer; …" after a transfer
// whose answers the cable held back; nothing otherwise.
void PrintSlowCableHint(const std::string& port, const CloneResult& result, Language lang);

int ExitStatusOf(CloneOutcome outcome);
const char* OutcomeText(CloneOutcome outcome);

}  // namespace radio::cli
