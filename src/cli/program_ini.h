// The CLI's view of the program directory: Program.ini beside the program
// (AppName, model names), read only. The CLI never creates or rewrites it.
#pragma once

#include <string>

#include "base/ini_file.h"

namespace radio::cli {

// Called once by main with argv[0].
void SetInvocationPath(const std::string& argv0);

// The running program's own file: the resolved executable where the system
// tells it, else argv[0].
std::string ProgramPath();

// Loads Program.ini from the program's directory when it is there. False
// (and `ini` left empty) when there is none or it cannot be read.
bool LoadProgramIni(CIniFile& ini);

}  // namespace radio::cli
