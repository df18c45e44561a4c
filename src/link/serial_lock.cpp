#include "link/serial_lock.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "image/process_alive.h"

namespace radio {
namespace fs = std::filesystem;

namespace {

// A lock file is a few bytes; anything much longer is not one.
constexpr std::size_t kLongestLockFile = 1024;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

std::optional<long long> LockFileProcess(std::string_view contents) {
  // Binary: a 4-byte number in the machine's byte order. Process ids are
  // far below 2^24, so such a file always holds a zero byte, which text
  // never does.
  if (contents.size() == 4 && contents.find('\0') != std::string_view::npos) {
    std::int32_t pid = 0;
    std::memcpy(&pid, contents.data(), sizeof pid);
    if (pid > 0) return pid;
    return std::nullopt;
  }
  std::size_t i = 0;
  while (i < contents.size() && IsBlank(contents[i])) ++i;
  const std::size_t first = i;
  long long pid = 0;
  while (i < contents.size() && contents[i] >= '0' && contents[i] <= '9' && i - first < 10)
    pid = pid * 10 + (contents[i++] - '0');
  if (i == first || pid <= 0) return std::nullopt;
  // After the number: the end, or a blank before the name and user.
  if (i < contents.size() && !IsBlank(contents[i])) return std::nullopt;
  return pid;
}

std::string LockFileName(const std::string& device) {
  std::string name = device.rfind("/dev/", 0) == 0 ? device.substr(5) : device;
  for (char& c : name)
    if (c == '/') c = '_';
  return "LCK.." + name;
}

const std::vector<std::string>& StandardLockFolders() {
  static const std::vector<std::string> folders = {
      "/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
      "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};
  return folders;
}

PortLock CheckPortLock(const std::string& device, const std::vector<std::string>& folders) {
  const std::string name = LockFileName(device);
  for (const std::string& folder : folders) {
    const fs::path file = fs::path(folder) / name;
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec))) continue;
    std::ifstream in(file, std::ios::binary);
    const bool readable = in.is_open();
    std::string contents(kLongestLockFile, '\0');
    in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
    contents.resize(static_cast<std::size_t>(in.gcount()));
    const std::optional<long long> pid =
        readable && !in.bad() ? LockFileProcess(contents) : std::nullopt;
    // A lock nobody can read or understand may well be a live one.
    if (!pid || ProcessIsAlive(*pid))
      return {PortLock::State::Held, file.string(), pid.value_or(0)};
    if (!fs::remove(file, ec) && fs::exists(fs::symlink_status(file, ec)))
      return {PortLock::State::LeftOver, file.string(), *pid};
  }
  return {};
}

}  // namespace radio
