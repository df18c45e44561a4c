// radioprog-cli ports: COM1 ... COM16, the device each stands for here and
// whether it can be opened right now.
#include <QCoreApplication>
#include <cstdio>

#include "cli/link_options.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "link/qt_serial_link.h"

namespace radio::cli {
namespace {

constexpr const char kUsage[] =
    "ports";

}  // namespace

static int RunPorts(const Args& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: %s\n", kUsage);
    return kExitUsage;
  }
  int argc = 1;
  char name[] = "radioprog-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  LoadProgramSettings();
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const std::string com = PortDisplayName(n);
    const bool openable = CanOpenPort(com);
    std::printf("%-6s %-24s %s\n", com.c_str(), PortDevice(n).toStdString().c_str(),
                openable ? "openable" : "cannot be opened");
  }
  return kExitOk;
}

extern const CliCommand kPortsCommand = {"ports", kUsage, RunPorts};

}  // namespace radio::cli
