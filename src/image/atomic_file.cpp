#include "image/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <system_error>

#include "image/process_alive.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace radio {
namespace fs = std::filesystem;

namespace {

constexpr int kMostLinkHops = 40;  // as the system gives up on a loop
constexpr char kTempSuffix[] = ".tmp";

// Fills the temporary file; false (with errno set) when a write failed.
using Filler = std::function<bool(std::FILE*)>;

// What stood at the target before the save.
struct OldFile {
  bool exists = false;
#ifndef _WIN32
  struct stat info {};
#endif
};

std::string SystemText(int err) {
  return err ? std::strerror(err) : "unknown error";
}

// ".radio.dat.<pid>-<random>.tmp" beside "radio.dat".
std::string TempPrefix(const fs::path& target) {
  return "." + target.filename().string() + ".";
}

fs::path NewTempName(const fs::path& target) {
  static thread_local std::mt19937 random{std::random_device{}()};
  char tag[16];
  std::snprintf(tag, sizeof tag, "%06x", static_cast<unsigned>(random() & 0xFFFFFF));
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  return dir / (TempPrefix(target) + std::to_string(OwnProcessId()) + "-" + tag + kTempSuffix);
}

// The writer's process id in the name of one of our temporary files of
// `target`; nothing for any other name.
std::optional<long long> TempWriter(const std::string& entry, const fs::path& target) {
  const std::string prefix = TempPrefix(target);
  const std::string suffix = kTempSuffix;
  if (entry.size() <= prefix.size() + suffix.size() || entry.rfind(prefix, 0) != 0 ||
      entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
    return std::nullopt;
  const std::string middle =
      entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
  const auto dash = middle.find('-');
  if (dash == 0 || dash == std::string::npos || dash > 18) return std::nullopt;
  long long pid = 0;
  for (std::size_t i = 0; i < dash; ++i) {
    if (middle[i] < '0' || middle[i] > '9') return std::nullopt;
    pid = pid * 10 + (middle[i] - '0');
  }
  return pid;
}

// Temporary files of `target` whose writer has ended were left by a save
// that was killed; they are removed after the next save succeeded.
void RemoveStaleTemps(const fs::path& target) {
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const auto writer = TempWriter(it->path().filename().string(), target);
    std::error_code ignored;
    if (writer && !ProcessIsAlive(*writer) && it->is_regular_file(ignored) &&
        !it->is_symlink(ignored))
      fs::remove(it->path(), ignored);
  }
}

// The folder entry of the rename on the disk too (best effort).
void FlushFolder([[maybe_unused]] const fs::path& target) {
#ifndef _WIN32
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
#endif
}

// Refuses a target that is not a regular file; fills `old` otherwise.
bool CheckTarget(const fs::path& shown, const fs::path& target, OldFile& old, std::string& error,
                 Language lang) {
  std::error_code ec;
  const fs::file_status status = fs::status(target, ec);
  if (!fs::exists(status)) return true;
  if (fs::is_directory(status)) {
    error =
        FillIn(Tr(lang, "Cannot write \"%1\": it is a folder.", "无法写入“%1”：它是一个文件夹。"),
               {shown.string()});
    return false;
  }
  if (!fs::is_regular_file(status)) {
    error = FillIn(Tr(lang,
                      "Cannot write \"%1\": it is not a regular file (a device, pipe or socket); "
                      "it was left as it was.",
                      "无法写入“%1”：它不是普通文件（设备、管道或套接字），未作任何改动。"),
                   {shown.string()});
    return false;
  }
  old.exists = true;
#ifndef _WIN32
  if (stat(target.c_str(), &old.info) != 0) old.exists = false;
#endif
  return true;
}

// The owner (where allowed) and permission bits of the file being replaced;
// `mode`, when given, replaces the permission bits.
void KeepFileMode([[maybe_unused]] std::FILE* f, [[maybe_unused]] const OldFile& old,
                  [[maybe_unused]] std::optional<unsigned> mode) {
#ifndef _WIN32
  const int fd = fileno(f);
  if (old.exists && fchown(fd, old.info.st_uid, old.info.st_gid) != 0) {
    // Only root can give a file another owner; the file becomes the saver's.
  }
  if (mode)
    fchmod(fd, static_cast<mode_t>(*mode & 07777));
  else if (old.exists)
    fchmod(fd, old.info.st_mode & 07777);
#endif
}

bool ReplaceFile(const fs::path& path, const Filler& fill, std::optional<unsigned> mode,
                 std::string& error, Language lang) {
  const fs::path target = FileBehindLinks(path);
  OldFile old;
  if (!CheckTarget(path, target, old, error, lang)) return false;

  // Created exclusively: never an existing file, never through a link
  // someone placed under the temporary name.
  fs::path temp;
  std::FILE* f = nullptr;
  int err = 0;
  for (int attempt = 0; attempt < 16 && !f; ++attempt) {
    temp = NewTempName(target);
    f = std::fopen(temp.string().c_str(), "wbx");
    err = errno;
    if (!f && err != EEXIST) break;
  }
  if (!f) {
    error = FillIn(Tr(lang, "Cannot write \"%1\": the folder cannot be written (%2).",
                      "无法写入“%1”：该文件夹不可写（%2）。"),
                   {path.string(), SystemText(err)});
    return false;
  }
  KeepFileMode(f, old, mode);

  errno = 0;
  bool ok = fill(f) && FlushToDisk(f);
  err = errno;
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    err = errno;
  }
  std::error_code ec;
  if (ok) {
    fs::rename(temp, target, ec);
    if (ec) {
      ok = false;
      err = ec.value();
    }
  }
  if (!ok) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    error = FillIn(old.exists ? Tr(lang, "Cannot write \"%1\" (%2); the file was left as it was.",
                                   "无法写入“%1”（%2），原文件未作改动。")
                              : Tr(lang, "Cannot write \"%1\" (%2).", "无法写入“%1”（%2）。"),
                   {path.string(), SystemText(err)});
    return false;
  }
  FlushFolder(target);
  RemoveStaleTemps(target);
  return true;
}

}  // namespace

bool FlushToDisk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(f)) == 0;
#else
  return fsync(fileno(f)) == 0;
#endif
}

fs::path FileBehindLinks(const fs::path& path) {
  fs::path p = path;
  std::error_code ec;
  for (int hop = 0; hop < kMostLinkHops && fs::is_symlink(fs::symlink_status(p, ec)); ++hop) {
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) break;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return p;
}

bool WriteFileAtomically(const fs::path& path, const void* data, std::size_t size,
                         std::string& error, Language lang) {
  return ReplaceFile(
      path, [&](std::FILE* f) { return std::fwrite(data, 1, size, f) == size; }, std::nullopt,
      error, lang);
}

bool CopyFileAtomically(const fs::path& from, const fs::path& to, std::string& error,
                        Language lang) {
  std::error_code ec;
  std::ifstream in(from, std::ios::binary);
  if (!in) {
    error = FillIn(Tr(lang, "\"%1\" cannot be read.", "无法读取“%1”。"), {from.string()});
    return false;
  }
  const auto mode = static_cast<unsigned>(fs::status(from, ec).permissions());
  return ReplaceFile(
      to,
      [&](std::FILE* f) {
        char buffer[8192];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
          const auto n = static_cast<std::size_t>(in.gcount());
          if (std::fwrite(buffer, 1, n, f) != n) return false;
        }
        if (in.bad()) errno = EIO;
        return !in.bad();
      },
      mode, error, lang);
}

bool KeepBakCopy(const fs::path& path, std::string* warning, Language lang) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  fs::path bak = path;
  bak += ".bak";
  std::string error;
  const bool ok = CopyFileAtomically(path, bak, error, lang);
  if (!ok && warning)
    *warning =
        fs::is_directory(bak, ec)
            ? FillIn(Tr(lang, "\"%1\" is a folder, so no backup copy of the old file was kept.",
                        "“%1”是一个文件夹，因此没有保留旧文件的备份。"),
                     {bak.string()})
            : FillIn(Tr(lang, "No backup copy of the old file was kept: %1",
                        "没有保留旧文件的备份：%1"),
                     {error});
  return ok;
}

}  // namespace radio
