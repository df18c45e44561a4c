// radioprog-cli squelch-write: sends a document's four squelch tuning values
// to the radio, as the Squelch Tuning dialog's Write would send them.
#include <cstdio>

#include "base/app_context.h"
#include "cli/args.h"
#include "cli/clone_progress.h"
#include "cli/link_options.h"
#include "cli/squelch_values.h"
#include "link/squelch_transaction.h"

namespace radio::cli {
namespace {

constexpr const char kUsage[] = "squelch-write --port PORT FILE.dat [--retries N]";

}  // namespace

static int RunSquelchWriteCommand(const Args& args) {
  LinkOptions o;
  if (!ParseLinkOptions(args, "squelch-write", o)) return kExitUsage;
  if (o.ports.size() != 1) return UsageError(kUsage, "give one --port");
  if (o.files.size() != 1) return UsageError(kUsage, "give one FILE.dat to send");
  if (!o.output.empty() || !o.input.empty() || o.password)
    return UsageError(kUsage, "-o, --in and --password belong to read");
  const CliQtSession session;

  RadioImage image{};
  if (!LoadImageToProgram(o.files.front(), "squelch-write", image)) return kExitFile;
  // What the dialog shows is what it sends: a byte out of range goes as its
  // field's default, a stored 55 as it is. The file itself is not changed.
  const SquelchSelections selections = LoadSquelchFields(image);

  const std::string& port = o.ports.front();
  const Language lang = App().language;
  const CloneOutcome outcome = RunOnePortTransaction(
      port, o.retries, lang, [&](SerialLink& link, Clock& clock, CloneUi& ui) {
        return RunSquelchWrite(link, clock, ui, image, selections, port, lang);
      });
  std::fprintf(stderr, "%s: %s\n", port.c_str(), OutcomeText(outcome));
  if (outcome == CloneOutcome::Ok)
    std::printf("Squelch:       %s\n", DescribeSquelchValues(image).c_str());
  return ExitStatusOf(outcome);
}

extern const CliCommand kSquelchWriteCommand = {
    .name = "squelch-write",
    .usage = kUsage,
    .run = RunSquelchWriteCommand,
    .summary = "Writes the four squelch tuning values of a .dat file into the radio."};

}  // namespace radio::cli
