// Whether Program.ini can be used, and what is wrong with it when not: the
// desktop program cannot start without it (it names the language), so the
// message that ends the start names the file and the fault.
#pragma once

#include <string>

#include "image/language.h"

namespace radio {

enum class ProgramIniProblem {
  None,
  Missing,
  Folder,
  Unreadable,
  Empty,
  TooLarge,
  Binary,      // holds zero bytes: not a text file
  NoLanguage,  // no Language in [Setup]
};

// Looks at the file at `path` (read, never created or changed).
ProgramIniProblem CheckProgramIni(const std::string& path);

// "The configuration file /opt/radioprog/Program.ini is empty."
std::string ProgramIniProblemText(ProgramIniProblem problem, const std::string& path,
                                  Language lang);

}  // namespace radio
