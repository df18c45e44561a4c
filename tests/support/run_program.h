// Running a built program from a test: its exit status and what it wrote.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

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

// A built program in the program directory, by its name without suffix.
inline std::filesystem::path BuiltProgram(const std::string& name) {
  return std::filesystem::path(RADIOPROG_PROGRAM_DIR) / (name + RADIOPROG_EXE_SUFFIX);
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
  const std::filesystem::path out =
      stdoutTo.empty() ? scratchDir / "out" : std::filesystem::path(stdoutTo);
  std::ofstream(scratchDir / "out", std::ios::trunc);
  ProgramResult r;
#ifdef _WIN32
  // Straight through CreateProcess: cmd's quoting and redirections differ
  // from sh's and have no place in what the tests check.
  std::wstring line = L"\"" + program.wstring() + L"\"";
  for (const std::string& a : args) line += L" \"" + std::filesystem::path(a).wstring() + L"\"";
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  auto open = [&](const std::filesystem::path& p) {
    return CreateFileW(p.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  const HANDLE outFile = open(out);
  const HANDLE errFile = open(scratchDir / "err");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outFile;
  startup.hStdError = errFile;
  PROCESS_INFORMATION process{};
  const std::wstring dir = workDir.wstring();
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, dir.c_str(),
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) r.status = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(outFile);
  CloseHandle(errFile);
#else
  std::string command = "cd '" + workDir.string() + "' && '" + program.string() + "'";
  for (const std::string& a : args) command += " '" + a + "'";
  command += " >'" + out.string() + "' 2>'" + (scratchDir / "err").string() + "'";
  const int raw = std::system(command.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  r.out = ReadAll(scratchDir / "out");
  r.err = ReadAll(scratchDir / "err");
  return r;
}

}  // namespace radio::test
