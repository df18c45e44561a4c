#include "cli/args.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "image/dat_file.h"

namespace radio::cli {
namespace {
std::string& RunningCommand() {
  static std::string name;
  return name;
}
std::string Prefix() {
  return RunningCommand().empty() ? "radioprog-cli" : "radioprog-cli " + RunningCommand();
}
}  // namespace

void SetRunningCommand(const std::string& name) {
  RunningCommand() = name;
}

std::optional<std::string> ParsedArgs::Value(const std::string& option) const {
  const auto it = values.find(option);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

bool ParseArgs(const Args& args, const ArgSpec& argSpec, ParsedArgs& out, std::string& error) {
  const auto listed = [](const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
  };
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      out.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      out.help = true;
    } else if (listed(argSpec.flags, arg)) {
      out.flags.insert(arg);
    } else if (const auto eq = arg.find('=');
               eq != std::string::npos && listed(argSpec.valueOptions, arg.substr(0, eq))) {
      out.values[arg.substr(0, eq)] = arg.substr(eq + 1);
    } else if (listed(argSpec.valueOptions, arg)) {
      if (i + 1 >= args.size()) {
        error = "option " + arg + " needs a value";
        return false;
      }
      out.values[arg] = args[++i];
    } else {
      error = "unknown option " + arg;
      return false;
    }
  }
  if (out.help) return true;
  if (out.positional.size() < argSpec.minPositional) {
    error = "missing argument";
    return false;
  }
  if (out.positional.size() > argSpec.maxPositional) {
    error = "unexpected argument \"" + out.positional[argSpec.maxPositional] + "\"";
    return false;
  }
  return true;
}

std::optional<int> ParseCommandArgs(const Args& args, const ArgSpec& argSpec, const char* usage,
                                    ParsedArgs& out) {
  std::string error;
  if (!ParseArgs(args, argSpec, out, error)) return UsageError(usage, error);
  if (out.help) {
    std::printf("usage: radioprog-cli %s\n", usage);
    return kExitOk;
  }
  return std::nullopt;
}

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", Prefix().c_str(), message.c_str());
  return status;
}

int UsageError(const char* usage, const std::string& reason) {
  std::fprintf(stderr, "%s: %s\nusage: radioprog-cli %s\n", Prefix().c_str(), reason.c_str(),
               usage);
  if (!RunningCommand().empty())
    std::fprintf(stderr, "(radioprog-cli help %s says more)\n", RunningCommand().c_str());
  return kExitUsage;
}

bool SaveImageFile(const std::string& path, const RadioImage& image, const char* command,
                   Language lang) {
  std::string error, warning;
  const bool saved = SaveDatFile(path, image, error, lang, &warning);
  if (!saved)
    std::fprintf(stderr, "radioprog-cli %s: %s\n", command, error.c_str());
  else if (!warning.empty())
    std::fprintf(stderr, "radioprog-cli %s: %s%s\n", command, Tr(lang, "warning: ", "警告："),
                 warning.c_str());
  return saved;
}

std::optional<int> RefuseOutputOverInput(const std::string& output,
                                         std::initializer_list<std::string> inputs) {
  for (const std::string& input : inputs) {
    std::error_code ec;
    if (std::filesystem::equivalent(input, output, ec))
      return Fail(kExitUsage, "the output would replace the input file \"" + input + "\"");
  }
  return std::nullopt;
}

}  // namespace radio::cli
