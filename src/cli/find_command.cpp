// radioprog-cli find: which port is the radio on? Tries the present ports
// (or the --port ones) with the connect step only and stops at the first
// radio that answers.
#include <cstdio>

#include "cli/args.h"
#include "cli/clone_progress.h"
#include "cli/link_options.h"
#include "link/port_presence.h"
#include "link/port_settings.h"
#include "link/serial_port_link.h"
#include "link/system_clock.h"

namespace radio::cli {
namespace {

constexpr const char kUsage[] =
    "find [--port PORT ...]\n"
    "      (tries each present port, USB-serial first, with the wake-up and identify\n"
    "       step only: nothing is read from or written to the radio's memory;\n"
    "       exit 0 when a radio answered, 15 when none did)";

// "COM3 (/dev/ttyUSB2)", or the path alone when a path was given.
std::string PortText(const FindPort& port) {
  return port.name == port.device ? port.name : port.name + " (" + port.device + ")";
}

void PrintPort(const char* what, const FindPort& port, const std::string& why) {
  std::printf("%s %s%s%s\n", what, PortText(port).c_str(), why.empty() ? "" : ": ", why.c_str());
}

}  // namespace

static int RunFind(const Args& args) {
  LinkOptions o;
  if (!ParseLinkOptions(args, "find", o)) return kExitUsage;
  if (!o.files.empty()) return UsageError(kUsage, "unexpected argument \"" + o.files[0] + "\"");
  if (!o.output.empty() || !o.input.empty() || o.password || o.retries)
    return UsageError(kUsage, "find takes only --port");
  const CliQtSession session;
  const Language lang = Language::English;
  RadioSearchPlan plan;
  if (o.ports.empty()) {
    plan = PlanRadioSearch(lang);
  } else {
    for (const std::string& p : o.ports)
      plan.toTry.push_back({p, PortDeviceOf(QString::fromStdString(p)).toStdString()});
  }
  for (const auto& [port, why] : plan.skipped) PrintPort("skipped", port, why);
  if (plan.toTry.empty()) {
    std::printf("no free serial port is present to try\n");
    return kExitNoRadio;
  }
  CancelOnInterrupt();
  SerialPortLink link;
  SystemClock clock;
  const FindReport report = FindRadio(
      link, clock, [] { return CancelRequested().load(); }, plan.toTry, lang,
      [](const FindPort& p) {
        std::printf("trying %s\n", PortText(p).c_str());
        std::fflush(stdout);
      });
  for (const auto& [port, why] : report.unopenable) PrintPort("could not open", port, why);
  std::string tried;
  for (const FindPort& p : report.tried) tried += (tried.empty() ? "" : ", ") + p.name;
  switch (report.outcome) {
    case FindOutcome::Found:
      PrintPort("radio found on", report.found, "");
      return kExitOk;
    case FindOutcome::Cancelled:
      std::printf("search stopped; tried %s\n", tried.c_str());
      return kExitInterrupted;
    case FindOutcome::NotFound:
      break;
  }
  std::printf("no radio answered; tried %s\n", tried.c_str());
  return kExitNoRadio;
}

extern const CliCommand kFindCommand = {
    .name = "find",
    .usage = kUsage,
    .run = RunFind,
    .summary =
        "Finds the port the radio is on: tries each present port (USB-serial first, held "
        "ports skipped) with the wake-up and identify step only and stops at the first "
        "radio that answers."};

}  // namespace radio::cli
