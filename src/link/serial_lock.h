// Lock files of serial ports. Serial programs on Linux and other Unix
// systems mark a port they hold with a file "LCK..<device>" in a lock
// folder (/var/lock, /run/lock, …) holding their process id, written in one
// of three common forms: the id as a 4-byte binary number, as text
// ("%10d\n"), or as text followed by the program and user name
// ("%10d name user\n"; the port library's own form puts them on lines of
// their own). A lock whose process is running is honoured; one whose
// process has ended is left over and is removed so that the port opens.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radio {

// The process id a lock file holds; nothing when the contents are none of
// the forms above.
std::optional<long long> LockFileProcess(std::string_view contents);

// "LCK..ttyUSB0" for /dev/ttyUSB0; the path below /dev, or the whole path
// of a device elsewhere, with every '/' turned into '_' ("LCK..pts_3",
// "LCK.._tmp_radio").
std::string LockFileName(const std::string& device);

// The folders lock files are kept in, in the order they are looked at.
const std::vector<std::string>& StandardLockFolders();

struct PortLock {
  enum class State {
    None,      // no lock file, or only ones whose process has ended (removed)
    Held,      // a running process holds the port
    LeftOver,  // the process has ended but the file could not be removed
  };
  State state = State::None;
  std::string file;  // the lock file found
  long long pid = 0;
};

// Looks for locks of `device` in `folders`: a lock of a running process
// (one that cannot be read or understood counts as held) is reported; those
// of ended processes are removed.
PortLock CheckPortLock(const std::string& device,
                       const std::vector<std::string>& folders = StandardLockFolders());

}  // namespace radio
