// Why a serial port could not be opened, in the words the user needs:
// the second line under "Could not Open the Port, …", and the reason
// `radioprog-cli ports` gives per port.
#pragma once

#include <string>

#include "image/language.h"
#include "link/serial_lock.h"

namespace radio {

struct PortOpenFailure {
  enum class Kind {
    NoSuchDevice,
    PermissionDenied,
    Busy,          // another program has it: a lock file, or exclusive mode
    LeftOverLock,  // the lock of an ended process could not be removed
    NotADevice,    // a path that is no serial device (a folder, a plain file)
    Other,
  };
  Kind kind = Kind::Other;
  std::string device;
  long long pid = 0;     // Busy, LeftOverLock: the lock's process, when known
  std::string lockFile;  // Busy, LeftOverLock: the lock file, when there is one
  std::string group;     // PermissionDenied: the group the device belongs to
  std::string detail;    // Other: the system's own text
};

// The failure a lock found before opening stands for; nothing to report
// for PortLock::State::None.
PortOpenFailure FailureOfLock(const std::string& device, const PortLock& lock);

// Looks at `device` after an open failed. `busyHint` says the port layer
// reported a permission or busy error; `detail` is its text for anything
// that fits none of the kinds.
PortOpenFailure DiagnosePortOpenFailure(const std::string& device, bool busyHint,
                                        const std::string& detail);

// The short reason: "no such device", "busy (process 1234)", …
std::string PortOpenFailureReason(const PortOpenFailure& failure, Language lang);

// The line shown under the port message: the device, the reason and what
// to do about it.
std::string PortOpenFailureLine(const PortOpenFailure& failure, Language lang);

}  // namespace radio
