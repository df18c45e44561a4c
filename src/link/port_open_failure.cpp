#include "link/port_open_failure.h"

#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace radio {
namespace {

using Kind = PortOpenFailure::Kind;

// Serial devices belong to this group on most systems.
constexpr char kSerialGroup[] = "dialout";

#ifndef _WIN32
std::string GroupOf(gid_t gid) {
  const struct group* g = gid != 0 ? getgrgid(gid) : nullptr;
  return g && g->gr_name ? g->gr_name : kSerialGroup;
}
#endif

}  // namespace

PortOpenFailure FailureOfLock(const std::string& device, const PortLock& lock) {
  PortOpenFailure f;
  f.device = device;
  f.kind = lock.state == PortLock::State::LeftOver ? Kind::LeftOverLock : Kind::Busy;
  f.pid = lock.pid;
  f.lockFile = lock.file;
  return f;
}

PortOpenFailure DiagnosePortOpenFailure(const std::string& device, bool busyHint,
                                        const std::string& detail) {
  PortOpenFailure f;
  f.device = device;
  f.detail = detail;
#ifndef _WIN32
  struct stat info {};
  if (stat(device.c_str(), &info) != 0) {
    f.kind = errno == ENOENT || errno == ENOTDIR ? Kind::NoSuchDevice : Kind::Other;
    if (f.kind == Kind::Other) f.detail = std::strerror(errno);
    return f;
  }
  if (S_ISDIR(info.st_mode) || S_ISREG(info.st_mode)) {
    f.kind = Kind::NotADevice;
    return f;
  }
  if (access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
    f.kind = Kind::PermissionDenied;
    f.group = GroupOf(info.st_gid);
    return f;
  }
  const PortLock lock = CheckPortLock(device);
  if (lock.state != PortLock::State::None) return FailureOfLock(device, lock);
#endif
  f.kind = busyHint ? Kind::Busy : Kind::Other;
  return f;
}

std::string PortOpenFailureReason(const PortOpenFailure& f, Language lang) {
  const std::string pid = std::to_string(f.pid);
  switch (f.kind) {
    case Kind::NoSuchDevice:
      return Tr(lang, "no such device", "设备不存在");
    case Kind::PermissionDenied:
      return Tr(lang, "permission denied", "没有权限");
    case Kind::Busy:
      return f.pid ? FillIn(Tr(lang, "busy (process %1)", "端口忙（进程 %1）"), {pid})
                   : Tr(lang, "busy", "端口忙");
    case Kind::LeftOverLock:
      return FillIn(Tr(lang, "locked by a lock file of ended process %1",
                       "被已结束的进程 %1 留下的锁文件锁住"),
                    {pid});
    case Kind::NotADevice:
      return Tr(lang, "not a serial device", "不是串口设备");
    case Kind::Other:
      break;
  }
  return f.detail.empty() ? Tr(lang, "cannot be opened", "无法打开") : f.detail;
}

std::string PortOpenFailureLine(const PortOpenFailure& f, Language lang) {
  std::string line = f.device + ": " + PortOpenFailureReason(f, lang);
  switch (f.kind) {
    case Kind::NoSuchDevice:
      return line + Tr(lang, ". Check that the cable is plugged in, or choose the port it is on.",
                       "。请检查数据线是否已插好，或选择数据线所在的端口。");
    case Kind::PermissionDenied:
      return line + FillIn(Tr(lang,
                              ". Add yourself to the group %1 and log in again: "
                              "sudo usermod -aG %1 \"$USER\"",
                              "。请把当前用户加入 %1 组后重新登录：sudo usermod -aG %1 \"$USER\""),
                           {f.group});
    case Kind::Busy:
      if (!f.lockFile.empty())
        return line + FillIn(Tr(lang, ". Lock file %1; close that program and try again.",
                                "。锁文件 %1；请关闭该程序后重试。"),
                             {f.lockFile});
      return line + Tr(lang, ". Another program has the port open; close it and try again.",
                       "。其他程序正在使用该端口；请关闭它后重试。");
    case Kind::LeftOverLock:
      return line +
             FillIn(Tr(lang, ". Remove %1 and try again.", "。请删除 %1 后重试。"), {f.lockFile});
    case Kind::NotADevice:
    case Kind::Other:
      break;
  }
  return line + ".";
}

}  // namespace radio
