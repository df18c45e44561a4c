#include "image/process_alive.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <limits>
#endif

namespace radio {

#ifdef _WIN32

bool ProcessIsAlive(long long pid) {
  if (pid <= 0 || pid > 0xFFFFFFFFLL) return false;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return running;
}

long long OwnProcessId() {
  return static_cast<long long>(GetCurrentProcessId());
}

#else

bool ProcessIsAlive(long long pid) {
  if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
  // Signal 0 only asks; EPERM means the process exists under another user.
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

long long OwnProcessId() {
  return static_cast<long long>(getpid());
}

#endif

}  // namespace radio
