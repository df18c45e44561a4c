// Whether a process of this machine is still running. Serial lock files and
// the temporary files of an interrupted save carry the process id of their
// writer; a file whose writer is gone is left over and may be cleared.
#pragma once

namespace radio {

// True while process `pid` exists (also when it belongs to another user);
// false for a process that has ended and for ids that cannot be processes.
bool ProcessIsAlive(long long pid);

// The id of the running process.
long long OwnProcessId();

}  // namespace radio
