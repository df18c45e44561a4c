// radioprog-cli write: writes a .dat file into one radio, or into several
// radios at once (one per --port), each on a thread of its own.
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "base/app_context.h"
#include "cli/args.h"
#include "cli/clone_progress.h"
#include "cli/link_options.h"
#include "image/dat_file.h"
#include "link/serial_port_link.h"
#include "link/system_clock.h"
#include "link/stopped_write.h"

namespace radio::cli {
namespace {

constexpr const char kUsage[] = "write --port PORT [--port PORT2 ...] FILE.dat [--retries N]";

}  // namespace

static int RunWrite(const Args& args) {
  LinkOptions o;
  if (!ParseLinkOptions(args, "write", o)) return kExitUsage;
  if (o.ports.empty()) return UsageError(kUsage, "give at least one --port");
  if (o.files.size() != 1) return UsageError(kUsage, "give one FILE.dat to write");
  if (!o.output.empty() || !o.input.empty() || o.password)
    return UsageError(kUsage, "-o, --in and --password belong to read");
  for (std::size_t i = 0; i < o.ports.size(); ++i) {
    if (std::count(o.ports.begin(), o.ports.end(), o.ports[i]) > 1) {
      std::fprintf(stderr, "radioprog-cli write: %s is given twice\n", o.ports[i].c_str());
      return kExitUsage;
    }
  }
  const CliQtSession session;

  RadioImage image{};
  if (!LoadImageToProgram(o.files.front(), "write", image)) return kExitFile;

  CancelOnInterrupt();
  const Language lang = App().language;
  std::vector<CloneResult> results(o.ports.size());
  {
    ProgressBoard board(o.ports, kWriteProgressSteps, StderrIsTerminal());
    std::vector<std::unique_ptr<QThread>> threads;
    for (std::size_t i = 0; i < o.ports.size(); ++i) {
      // Each radio gets its own copy of the image: the info phase refreshes
      // one option bit from the radio it talks to.
      threads.emplace_back(QThread::create([&, i, copy = image]() mutable {
        CliCloneUi ui(board, i, o.retries, lang);
        SerialPortLink link;
        SystemClock clock;
        results[i] = RunClone(link, clock, ui, CloneMode::Write, copy, o.ports[i], lang);
      }));
      threads.back()->start();
    }
    for (auto& t : threads) t->wait();
  }

  int status = kExitOk;
  for (std::size_t i = 0; i < o.ports.size(); ++i) {
    std::fprintf(stderr, "%s: %s\n", o.ports[i].c_str(), OutcomeText(results[i].outcome));
    PrintSlowCableHint(o.ports[i], results[i], lang);
    if (LeftRadioPartlyWritten(results[i]))
      std::fprintf(stderr, "%s: %s\n", o.ports[i].c_str(),
                   WriteStoppedText(results[i], lang).c_str());
    if (status == kExitOk) status = ExitStatusOf(results[i].outcome);
  }
  return status;
}

extern const CliCommand kWriteCommand = {
    .name = "write",
    .usage = kUsage,
    .run = RunWrite,
    .summary = "Writes a .dat file into one radio, or into several at once."};

}  // namespace radio::cli
