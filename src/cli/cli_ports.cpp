// radioprog-cli ports: COM1 ... COM16, the device each stands for here and
// whether it can be opened right now; on Linux and macOS also chooses the
// device a COMn stands for.
#include <cstdio>

#include "cli/args.h"
#include "cli/link_options.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "link/serial_port_link.h"

namespace radio::cli {
namespace {

constexpr const char kUsage[] = "ports [--set COMn DEVICE | --reset COMn]";

int PortOfArgument(const std::string& com) {
  const auto n = PortNumberOfName(com);
  return n && *n >= kFirstPort && *n <= kLastPort && PortDisplayName(*n) == com ? *n : 0;
}

}  // namespace

static int RunPorts(const Args& args) {
  const bool set = !args.empty() && args[0] == "--set";
  const bool reset = !args.empty() && args[0] == "--reset";
  if (!args.empty() && !set && !reset)
    return UsageError(kUsage, "unexpected argument \"" + args[0] + "\"");
  if (set && args.size() != 3) return UsageError(kUsage, "--set takes COMn and DEVICE");
  if (reset && args.size() != 2) return UsageError(kUsage, "--reset takes COMn");
  const int port = set || reset ? PortOfArgument(args[1]) : 0;
  if ((set || reset) && !port)
    return UsageError(kUsage, args[1] + " is not a port name (COM1 ... COM16)");
  if (set && !IsDevicePath(args[2])) return UsageError(kUsage, args[2] + " is not a device path");
  const CliQtSession session;
  if (port) {
    // A relative device is kept as the absolute path it names now.
    if (!SetPortDevice(port, set ? PortDeviceOf(QString::fromStdString(args[2])) : QString())) {
      std::fprintf(stderr, "radioprog-cli ports: the choice could not be stored\n");
      return kExitFile;
    }
    std::printf("%s %s\n", args[1].c_str(), PortDevice(port).toStdString().c_str());
    return kExitOk;
  }
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const std::string com = PortDisplayName(n);
    const auto failure = ProbePort(com);
    const std::string state =
        failure ? "cannot be opened: " + PortOpenFailureReason(*failure, Language::English)
                : "openable";
    std::printf("%-6s %-24s %s\n", com.c_str(), PortDevice(n).toStdString().c_str(), state.c_str());
  }
  return kExitOk;
}

extern const CliCommand kPortsCommand = {
    .name = "ports",
    .usage = kUsage,
    .run = RunPorts,
    .summary =
        "Lists COM1 ... COM16 with their devices and whether each can be opened now; --set and "
        "--reset choose the device a COMn stands for (Linux and macOS)."};

}  // namespace radio::cli
