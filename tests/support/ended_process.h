// The id of a process that has ended: lock files and temporary files name
// their writer, and a writer that is gone must be told from a running one.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

namespace radio::test {

// Starts a process that ends at once and waits for it; its id is then
// free (the system hands ids out in turn, so it stays free for a while).
inline long long EndedProcessId() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  int status = 0;
  waitpid(child, &status, 0);
  return child;
}

}  // namespace radio::test
