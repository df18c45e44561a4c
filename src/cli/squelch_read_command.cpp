// radioprog-cli squelch-read: reads the radio's four squelch tuning values
// into a document (the one given, or a new one) and saves it.
#include <cstdio>

#include "base/app_context.h"
#include "cli/args.h"
#include "cli/clone_progress.h"
#include "cli/link_options.h"
#include "cli/squelch_values.h"
#include "link/squelch_transaction.h"

namespace radio::cli {
namespace {

constexpr const char kUsage[] = "squelch-read --port PORT [--in FILE.dat] -o OUT.dat [--retries N]";

}  // namespace

static int RunSquelchReadCommand(const Args& args) {
  LinkOptions o;
  if (!ParseLinkOptions(args, "squelch-read", o)) return kExitUsage;
  if (o.ports.size() != 1) return UsageError(kUsage, "give one --port");
  if (o.output.empty()) return UsageError(kUsage, "give the output file with -o OUT.dat");
  if (!o.files.empty()) return UsageError(kUsage, "unexpected argument \"" + o.files[0] + "\"");
  if (o.password) return UsageError(kUsage, "--password belongs to read");
  const CliQtSession session;

  RadioImage image{};
  if (!LoadStartImage(o, "squelch-read", image)) return kExitFile;

  const std::string& port = o.ports.front();
  const Language lang = App().language;
  const CloneOutcome outcome = RunOnePortTransaction(
      port, o.retries, lang, [&](SerialLink& link, Clock& clock, CloneUi& ui) {
        return RunSquelchRead(link, clock, ui, image, port, lang);
      });
  if (outcome != CloneOutcome::Ok) {
    std::fprintf(stderr, "%s: %s, nothing saved\n", port.c_str(), OutcomeText(outcome));
    return ExitStatusOf(outcome);
  }
  if (!SaveImageFile(o.output, image, "squelch-read")) return kExitFile;
  std::printf("Squelch:       %s\n", DescribeSquelchValues(image).c_str());
  std::fprintf(stderr, "%s: squelch values read into %s\n", port.c_str(), o.output.c_str());
  return kExitOk;
}

extern const CliCommand kSquelchReadCommand = {
    .name = "squelch-read",
    .usage = kUsage,
    .run = RunSquelchReadCommand,
    .summary = "Reads the radio's four squelch tuning values into a copy of a .dat file."};

}  // namespace radio::cli
