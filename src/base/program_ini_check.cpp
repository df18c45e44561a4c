#include "base/program_ini_check.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/ini_file.h"

namespace radio {
namespace fs = std::filesystem;

ProgramIniProblem CheckProgramIni(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return ProgramIniProblem::Missing;
  if (fs::is_directory(status)) return ProgramIniProblem::Folder;
  const auto size = fs::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) return ProgramIniProblem::Unreadable;
  if (size == 0) return ProgramIniProblem::Empty;
  if (size > kLargestIniFile) return ProgramIniProblem::TooLarge;
  std::string text(static_cast<std::size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return ProgramIniProblem::Unreadable;
  if (text.find('\0') != std::string::npos) return ProgramIniProblem::Binary;
  CIniFile ini;
  if (!ini.LoadPath(path, false, true, false)) return ProgramIniProblem::Unreadable;
  if (ini.Get("Setup", "Language", "").empty()) return ProgramIniProblem::NoLanguage;
  return ProgramIniProblem::None;
}

std::string ProgramIniProblemText(ProgramIniProblem problem, const std::string& path,
                                  Language lang) {
  const char* what = "";
  switch (problem) {
    case ProgramIniProblem::None:
      return {};
    case ProgramIniProblem::Missing:
      what = Tr(lang, "is missing", "不存在");
      break;
    case ProgramIniProblem::Folder:
      what = Tr(lang, "is a folder", "是一个文件夹");
      break;
    case ProgramIniProblem::Unreadable:
      what = Tr(lang, "cannot be read", "无法读取");
      break;
    case ProgramIniProblem::Empty:
      what = Tr(lang, "is empty", "是空文件");
      break;
    case ProgramIniProblem::TooLarge:
      what = Tr(lang, "is larger than 1 MB", "大于 1 MB");
      break;
    case ProgramIniProblem::Binary:
      what = Tr(lang, "is not a text file", "不是文本文件");
      break;
    case ProgramIniProblem::NoLanguage:
      what = Tr(lang, "names no language (Language in [Setup])",
                "没有指定语言（[Setup] 中的 Language）");
      break;
  }
  return FillIn(Tr(lang, "The configuration file %1 %2.", "配置文件 %1 %2。"), {path, what});
}

}  // namespace radio
