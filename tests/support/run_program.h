// Running a built program from a test: its exit status and what it wrote.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace radio::test {

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct ProgramResult {
  int status = -1;
  std::string out, err;
};

// Runs `program` with `args` in `workDir`; stdout and stderr go through
// files in `scratchDir`, or stdout to `stdoutTo` when given (/dev/full).
inline ProgramResult RunProgram(const std::filesystem::path& program,
                                const std::filesystem::path& workDir,
                                const std::vector<std::string>& args,
                                const std::filesystem::path& scratchDir,
                                const std::string& stdoutTo = "") {
  std::string command = "cd '" + workDir.string() + "' && '" + program.string() + "'";
  for (const std::string& a : args) command += " '" + a + "'";
  const std::string out = stdoutTo.empty() ? (scratchDir / "out").string() : stdoutTo;
  std::ofstream(scratchDir / "out", std::ios::trunc);
  command += " >'" + out + "' 2>'" + (scratchDir / "err").string() + "'";
  ProgramResult r;
  const int raw = std::system(command.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadAll(scratchDir / "out");
  r.err = ReadAll(scratchDir / "err");
  return r;
}

}  // namespace radio::test
