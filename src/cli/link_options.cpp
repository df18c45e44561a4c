#include "cli/link_options.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/app_context.h"
#include "cli/program_ini.h"
#include "image/dat_file.h"
#include "link/port_names.h"

namespace radio::cli {

bool ParseLinkOptions(const Args& args, const char* command, LinkOptions& o) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--port" || a == "-o" || a == "--in" || a == "--password" ||
                            a == "--retries";
    if (takesValue && i + 1 >= args.size()) {
      std::fprintf(stderr, "radioprog-cli %s: %s needs a value\n", command, a.c_str());
      return false;
    }
    if (a == "--port") {
      o.ports.push_back(args[++i]);
    } else if (a == "-o") {
      o.output = args[++i];
    } else if (a == "--in") {
      o.input = args[++i];
    } else if (a == "--password") {
      const std::string& digits = args[++i];
      if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos) {
        std::fprintf(stderr, "radioprog-cli %s: --password takes up to 6 digits\n", command);
        return false;
      }
      o.password = digits;
    } else if (a == "--retries") {
      const std::string& v = args[++i];
      const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o.retries);
      if (ec != std::errc() || end != v.data() + v.size() || o.retries < 0) {
        std::fprintf(stderr, "radioprog-cli %s: --retries takes a number from 0\n", command);
        return false;
      }
    } else if (!a.empty() && a[0] == '-') {
      std::fprintf(stderr, "radioprog-cli %s: unknown option \"%s\"\n", command, a.c_str());
      return false;
    } else {
      o.files.push_back(a);
    }
  }
  for (const std::string& port : o.ports) {
    if (!ValidPortArgument(port)) {
      std::fprintf(stderr, "radioprog-cli %s: \"%s\" is neither COM1 ... COM16 nor a device path\n",
                   command, port.c_str());
      return false;
    }
  }
  return true;
}

void LoadProgramSettings() {
  AppContext& app = App();
  if (!LoadProgramIni(app.ini)) return;
  app.appName = app.SetupText("AppName");
  app.languageName = app.SetupText("Language");
  app.language = app.languageName == "Chinese" ? Language::Chinese : Language::English;
}

bool ValidPortArgument(const std::string& port) {
  if (IsDevicePath(port)) return true;
  const auto n = PortNumberOfName(port);
  return port.rfind("COM", 0) == 0 && n && *n >= kFirstPort && *n <= kLastPort &&
         PortDisplayName(*n) == port;
}

void PrintSlowCableHint(const std::string& port, const CloneResult& result, Language lang) {
  if (!result.transferStarted) return;
  if (const auto hint = SlowCableHint(result.delays, result.mode == CloneMode::Write, lang))
    std::fprintf(stderr, "%s: %s\n", port.c_str(), hint->c_str());
}

int ExitStatusOf(CloneOutcome outcome) {
  switch (outcome) {
    case CloneOutcome::Ok: return kExitOk;
    case CloneOutcome::PortError: return kExitPort;
    case CloneOutcome::CommunicationCancelled: return kExitCommunication;
    case CloneOutcome::CancelledByUser:
    case CloneOutcome::Interrupted: return kExitInterrupted;
    case CloneOutcome::BandTypeError: return kExitBandType;
    case CloneOutcome::PasswordError: return kExitPassword;
  }
  return kExitInterrupted;
}

const char* OutcomeText(CloneOutcome outcome) {
  switch (outcome) {
    case CloneOutcome::Ok: return "done";
    case CloneOutcome::PortError: return "port could not be opened";
    case CloneOutcome::CommunicationCancelled: return "no answer from the radio";
    case CloneOutcome::CancelledByUser: return "cancelled";
    case CloneOutcome::Interrupted: return "transfer interrupted";
    case CloneOutcome::BandTypeError: return "band type refused";
    case CloneOutcome::PasswordError: return "password differs";
  }
  return "";
}

bool LoadStartImage(const LinkOptions& options, const char* command, RadioImage& image) {
  if (options.input.empty()) {
    BandLimitBytes band = kDefaultBandLimitBytes;
    image = MakeNewImage(band);
    return true;
  }
  std::string error;
  if (LoadDatFile(options.input, image, error)) return true;
  std::fprintf(stderr, "radioprog-cli %s: %s\n", command, error.c_str());
  return false;
}

bool LoadImageToProgram(const std::string& path, const char* command, RadioImage& image) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status)) {
    std::fprintf(stderr,
                 "radioprog-cli %s: \"%s\" is not a regular file; a radio is programmed from a "
                 ".dat file only\n",
                 command, path.c_str());
    return false;
  }
  std::string error;
  if (!LoadDatFile(path, image, error)) {
    std::fprintf(stderr, "radioprog-cli %s: %s\n", command, error.c_str());
    return false;
  }
  const auto size = fs::file_size(path, ec);
  if (!ec && size > kImageSize)
    std::fprintf(stderr,
                 "radioprog-cli %s: warning: \"%s\" is %llu bytes; only the first 6144 bytes "
                 "are used\n",
                 command, path.c_str(), static_cast<unsigned long long>(size));
  return true;
}

}  // namespace radio::cli
