// radioprog-cli read: reads a radio into a .dat file.
#include <QCoreApplication>
#include <cstdio>

#include "cli/clone_progress.h"
#include "cli/link_options.h"
#include "features/optional_features.h"
#include "image/dat_file.h"
#include "link/qt_serial_link.h"
#include "shell/app_context.h"

namespace radio::cli {
namespace {

constexpr const char kUsage[] =
    "read --port PORT -o FILE.dat [--password DIGITS] [--retries N] [--in FILE.dat]";


}  // namespace

static int RunRead(const Args& args) {
  LinkOptions o;
  if (!ParseLinkOptions(args, "read", o)) return kExitUsage;
  if (o.ports.size() != 1 || o.output.empty() || !o.files.empty()) {
    std::fprintf(stderr, "usage: %s\n", kUsage);
    return kExitUsage;
  }
  int argc = 1;
  char name[] = "radioprog-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  LoadProgramSettings();

  // The read compares the radio's password with the document's, so it
  // starts from a document: the one given, or a new one.
  RadioImage image{};
  if (!LoadStartImage(o, "read", image)) return kExitFile;
  if (o.password) WritePowerOnPassword(image, *o.password);

  CancelOnInterrupt();
  const std::string& port = o.ports.front();
  CloneResult result;
  {
    ProgressBoard board({port}, kReadProgressSteps, StderrIsTerminal());
    CliCloneUi ui(board, 0, o.retries, App().language);
    QtSerialLink link;
    SystemClock clock;
    result = RunClone(link, clock, ui, CloneMode::Read, image, port, App().language);
  }
  if (result.outcome != CloneOutcome::Ok) {
    std::fprintf(stderr, "%s: %s, nothing saved\n", port.c_str(), OutcomeText(result.outcome));
    return ExitStatusOf(result.outcome);
  }
  std::string error;
  if (!SaveDatFile(o.output, image, error)) {
    std::fprintf(stderr, "radioprog-cli read: %s\n", error.c_str());
    return kExitFile;
  }
  std::fprintf(stderr, "%s: read into %s\n", port.c_str(), o.output.c_str());
  return kExitOk;
}

extern const CliCommand kReadCommand = {"read", kUsage, RunRead};

}  // namespace radio::cli
