// radioprog-cli print FILE.dat (--pdf OUT.pdf | --text) [--sections LIST]
// [--lang en|zh]: the printed record of a radio image, as a PDF or as the
// pages' texts on stdout (for diff between two radios).
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/args.h"
#include "cli/program_ini.h"
#include "image/channel_codec.h"
#include "image/dat_file.h"
#include "image/name_text.h"
#include "print/page_renderer.h"
#include "print/page_text.h"

namespace radio::cli {

namespace {

constexpr const char* kUsage =
    "print FILE.dat (--pdf OUT.pdf | --text) [--sections LIST] [--lang en|zh]\n"
    "      LIST: comma-separated dtmf,msk,optional,2tone,channels (default optional,channels)";

// The footer's owner line from Program.ini's section of the chosen language.
std::string CopyrightsOwner(Language lang) {
  CIniFile ini;
  if (!LoadProgramIni(ini)) return {};
  return ini.Get(lang == Language::Chinese ? "Chinese" : "English", "Copyrights Owner", "");
}

// PDF output paints text, which needs a GUI application; no display is
// needed for it. Where a display server may be missing the offscreen
// platform stands in. Windows keeps its own platform: only that one reads
// the system's fonts there (offscreen finds none and paints every letter as
// a black box).
int WritePdfFile(const std::string& out, const print::PrintPlan& plan,
                 const print::PrintSource& source) {
  std::unique_ptr<QGuiApplication> app;
  if (!QGuiApplication::instance()) {
#ifndef _WIN32
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    static int argc = 1;
    static char name[] = "radioprog-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  std::string error;
  if (!print::WritePdf(QString::fromStdString(out), plan, source, error))
    return Fail(kExitFile, error);
  return kExitOk;
}

}  // namespace

int RunPrint(const Args& args) {
  ParsedArgs a;
  if (auto exit =
          ParseCommandArgs(args, {{"--text"}, {"--pdf", "--sections", "--lang"}, 1, 1}, kUsage, a))
    return *exit;
  const auto pdf = a.Value("--pdf");
  if (pdf.has_value() == a.Has("--text"))
    return Fail(kExitUsage, "give exactly one of --pdf OUT.pdf and --text");
  if (pdf)
    if (auto refused = RefuseOutputOverInput(*pdf, {a.positional[0]})) return *refused;
  const std::string langName = a.Value("--lang").value_or("en");
  if (langName != "en" && langName != "zh") return Fail(kExitUsage, "--lang takes en or zh");
  const Language lang = langName == "zh" ? Language::Chinese : Language::English;
  print::SectionChoice sections = print::kDefaultSections;
  if (const auto list = a.Value("--sections")) {
    const auto parsed = print::ParseSectionList(*list);
    if (!parsed)
      return Fail(kExitUsage,
                  "--sections takes a comma-separated list of "
                  "dtmf, msk, optional, 2tone and channels");
    sections = *parsed;
  }

  RadioImage image;
  std::string error;
  if (!LoadDatFile(a.positional[0], image, error, lang)) return Fail(kExitFile, error);
  ChannelTable channels;
  BandState band;
  DecodeChannelTable(image, channels, band, lang);

  const print::PrintPlan plan = print::PlanPrint(sections, channels);
  if (plan.totalPages == 0) return Fail(kExitNothingToPrint, "Nothing to print");
  const print::PrintSource source{image, channels, lang, CopyrightsOwner(lang),
                                  GridNameDecoder(lang)};
  if (pdf) return WritePdfFile(*pdf, plan, source);
  const std::string text =
      print::PagesAsText(print::BuildDocument(plan, source, print::NominalMetrics()));
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kExitOk;
}

extern const CliCommand kPrintCommand = {
    .name = "print",
    .usage = kUsage,
    .run = RunPrint,
    .summary = "Prints the chosen settings pages to a PDF file, or as text."};

}  // namespace radio::cli
