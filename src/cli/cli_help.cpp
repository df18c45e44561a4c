#include "cli/cli_help.h"

#include "cli/commands.h"

namespace radio::cli {
namespace {

// Text as roff shows it literally: backslashes and hyphens escaped, and no
// line starting with a control character ('.' or ').
std::string Roff(const std::string& text) {
  std::string out;
  bool lineStart = true;
  for (const char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
    lineStart = c == '\n';
  }
  return out;
}

}  // namespace

const CliCommand* FindCommand(const std::string& name) {
  for (const CliCommand& c : AllCommands())
    if (name == c.name) return &c;
  return nullptr;
}

void PrintCommandList(std::FILE* out) {
  std::fprintf(out,
               "usage: radioprog-cli COMMAND [ARGS]\n"
               "       radioprog-cli help COMMAND | COMMAND --help\n\ncommands:\n");
  for (const CliCommand& c : AllCommands()) {
    std::fprintf(out, "  %s\n", c.usage);
    if (c.summary) std::fprintf(out, "      %s\n", c.summary);
  }
  std::fprintf(out, "\nexit statuses:\n");
  for (const ExitStatusText& e : kExitStatusTable)
    std::fprintf(out, "  %2d  %s\n", e.status, e.meaning);
}

void PrintCommandHelp(std::FILE* out, const CliCommand& command) {
  std::fprintf(out, "usage: radioprog-cli %s\n", command.usage);
  if (command.summary) std::fprintf(out, "\n%s\n", command.summary);
}

void PrintManPage(std::FILE* out, const char* version) {
  std::fprintf(out,
               ".TH RADIOPROG\\-CLI 1 \"\" \"radioprog %s\" \"User Commands\"\n"
               ".SH NAME\n"
               "radioprog\\-cli \\- program dual\\-band handheld FM radios from the command line\n"
               ".SH SYNOPSIS\n"
               ".B radioprog\\-cli\n"
               ".I COMMAND\n"
               "[\\fIARGS\\fR]\n"
               ".br\n"
               ".B radioprog\\-cli help\n"
               ".I COMMAND\n"
               ".SH DESCRIPTION\n"
               "radioprog\\-cli reads and writes the radio's memory over a serial programming "
               "cable and inspects and converts the radio images kept as .dat files, without a "
               "window. Every command takes \\fB\\-h\\fR or \\fB\\-\\-help\\fR.\n"
               ".SH COMMANDS\n",
               Roff(version).c_str());
  for (const CliCommand& c : AllCommands()) {
    const std::string usage = c.usage;
    const auto lineEnd = usage.find('\n');
    std::fprintf(out, ".TP\n.B %s\n", Roff(usage.substr(0, lineEnd)).c_str());
    if (c.summary) std::fprintf(out, "%s\n", Roff(c.summary).c_str());
    if (lineEnd != std::string::npos)
      std::fprintf(out, ".br\n.nf\n%s\n.fi\n", Roff(usage.substr(lineEnd + 1)).c_str());
  }
  std::fprintf(out, ".SH EXIT STATUS\n");
  for (const ExitStatusText& e : kExitStatusTable)
    std::fprintf(out, ".TP\n.B %d\n%s\n", e.status, Roff(e.meaning).c_str());
  std::fprintf(out, ".SH SEE ALSO\n.BR radioprog (1)\n");
}

}  // namespace radio::cli
