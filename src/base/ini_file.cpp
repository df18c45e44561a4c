#include "base/ini_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "image/atomic_file.h"
#include "image/trim.h"

namespace radio {
namespace fs = std::filesystem;

namespace {

// ASCII letters only: GBK and other multibyte text is compared byte by byte.
char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

void CutAt(std::string& value, std::string_view marker) {
  const auto pos = value.find(marker);
  if (pos != std::string::npos) value.erase(pos);
}

bool WriteAll(std::FILE* f, std::string_view content) {
  return std::fwrite(content.data(), 1, content.size(), f) == content.size();
}

// Reads the whole file; false on a read error.
bool ReadFile(std::FILE* f, std::string& data) {
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.append(buffer, got);
  return std::ferror(f) == 0;
}

}  // namespace

CIniFile::~CIniFile() {
  if (saveOnClose_ && !path_.empty()) Save(makeBackup_);
  Clear();
}

bool CIniFile::Load(const std::string& fileName, bool saveOnClose, bool caseInsensitive,
                    bool makeBackup, const std::string& invocationPath) {
  std::string dir;
  const auto slash = invocationPath.find_last_of("/\\");
  if (slash != std::string::npos) {
    dir = invocationPath.substr(0, slash);
  } else {
    std::error_code ec;
    dir = fs::current_path(ec).string();
    if (ec) dir = ".";
  }
  return LoadPath(dir + static_cast<char>(fs::path::preferred_separator) + fileName, saveOnClose,
                  caseInsensitive, makeBackup);
}

bool CIniFile::LoadPath(const std::string& fullPath, bool saveOnClose, bool caseInsensitive,
                        bool makeBackup) {
  if (!path_.empty()) {
    Save(false);
    Clear();
  }
  saveOnClose_ = saveOnClose;
  caseInsensitive_ = caseInsensitive;
  makeBackup_ = makeBackup;

  // Kept absolute so that the save at exit still finds the file after the
  // working directory has changed.
  std::error_code ec;
  fs::path path = fs::absolute(fs::path(fullPath), ec);
  if (ec) path = fullPath;
  if (fs::is_directory(path, ec)) return false;
  if (const auto size = fs::file_size(path, ec); !ec && size > kLargestIniFile) return false;

  std::FILE* f = std::fopen(path.string().c_str(), "rb");
  if (!f && !fs::exists(path, ec)) {
    // A missing file is created empty ("ab" never truncates a file that
    // appeared meanwhile).
    if (std::FILE* created = std::fopen(path.string().c_str(), "ab")) std::fclose(created);
    f = std::fopen(path.string().c_str(), "rb");
  }
  if (!f) return false;
  std::string data;
  const bool readOk = ReadFile(f, data);
  std::fclose(f);
  if (!readOk) return false;

  path_ = path.string();
  sections_.push_back(Section{});
  std::string_view rest = data;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    const std::string_view line = Trim(rest.substr(0, end), kWhiteSpace);
    rest = (end == std::string_view::npos) ? std::string_view{} : rest.substr(end + 1);

    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections_.push_back(Section{std::string(line.substr(1, line.size() - 2)), {}, {}});
      continue;
    }
    const auto eq = line.find('=');
    const std::string_view key = Trim(line.substr(0, eq), kWhiteSpace);
    const std::string_view value = (eq == std::string_view::npos)
                                       ? std::string_view{}
                                       : Trim(line.substr(eq + 1), kWhiteSpace);
    if (key.empty()) continue;
    if (key.front() == ';' || key.front() == '/' || key.front() == '\\' || key.front() == '*') {
      continue;  // comment line
    }
    sections_.back().keys.emplace_back(key);
    sections_.back().values.emplace_back(value);
  }
  return true;
}

bool CIniFile::Equal(std::string_view a, std::string_view b) const {
  return caseInsensitive_ ? EqualFolded(a, b) : a == b;
}

CIniFile::Section* CIniFile::FindSection(std::string_view name) {
  for (Section& s : sections_) {
    if (Equal(s.name, name)) return &s;
  }
  return nullptr;
}

const CIniFile::Section* CIniFile::FindSection(std::string_view name) const {
  for (const Section& s : sections_) {
    if (Equal(s.name, name)) return &s;
  }
  return nullptr;
}

std::string CIniFile::Get(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const {
  const Section* s = FindSection(section);
  if (!s) return std::string(defaultValue);
  for (std::size_t i = s->keys.size(); i-- > 0;) {
    if (!Equal(s->keys[i], key)) continue;
    std::string value = s->values[i];
    CutAt(value, "//");
    CutAt(value, "\t;");
    CutAt(value, "/*");
    return value;
  }
  return std::string(Trim(defaultValue, kWhiteSpace));
}

void CIniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (path_.empty()) return;
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back(Section{std::string(section), {}, {}});
    s = &sections_.back();
    modified_ = true;
  }
  for (std::size_t i = s->keys.size(); i-- > 0;) {
    if (!Equal(s->keys[i], key)) continue;
    // Any change of the value is one, letter case included: "chinese" is
    // not the "Chinese" that selects the Chinese interface.
    if (s->values[i] != value) modified_ = true;
    s->values[i] = value;
    return;
  }
  s->keys.emplace_back(key);
  s->values.emplace_back(value);
  modified_ = true;
}

std::string CIniFile::Serialize() const {
  // Lines end in CR LF on every system, as the file has always been written.
  // Only the leading unnamed section goes without a header: a later "[]"
  // keeps its own, or its keys would join the section before it.
  std::string out;
  for (const Section& s : sections_) {
    if (!s.name.empty() || &s != &sections_.front()) out += "[" + s.name + "]\r\n";
    for (std::size_t i = 0; i < s.keys.size(); ++i) {
      out += s.keys[i];
      if (!s.keys[i].empty()) out += '=';
      out += s.values[i];
      out += "\r\n";
    }
  }
  return out;
}

bool CIniFile::WriteToDisk(const std::string& content) const {
  std::error_code ec;
  // The file a link points to is the one written; the link stays.
  const fs::path target = FileBehindLinks(path_);
  const fs::file_status status = fs::status(target, ec);
  if (fs::exists(status)) {
    // A read-only file stays as it is, even for a user who could replace it.
    constexpr auto kWritable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (!fs::is_regular_file(status) || (status.permissions() & kWritable) == fs::perms::none) {
      return false;
    }
    std::FILE* probe = std::fopen(target.string().c_str(), "r+b");
    if (!probe) return false;
    std::fclose(probe);
  }

  // Normal path: a complete new file renamed over the old one (keeping its
  // permission bits), so that a crash or a full disk never leaves a
  // half-written Program.ini.
  std::string error;
  if (WriteFileAtomically(target, content.data(), content.size(), error)) return true;
  // The folder takes no new file: rewrite the file itself.
  if (std::FILE* f = std::fopen(target.string().c_str(), "wb")) {
    bool ok = WriteAll(f, content) && FlushToDisk(f);
    ok = (std::fclose(f) == 0) && ok;
    return ok;
  }
  return OverwriteFileInPlace(target.string(), content);
}

bool OverwriteFileInPlace(const std::string& path, std::string_view content) {
  std::error_code ec;
  const auto oldSize = fs::file_size(path, ec);
  std::FILE* f = std::fopen(path.c_str(), "r+b");
  if (!f) return false;
  bool ok = true;
  if (!ec) {
    const std::string zeros(4096, '\0');
    for (std::uintmax_t left = oldSize; ok && left > 0;) {
      const auto n = static_cast<std::size_t>(std::min<std::uintmax_t>(left, zeros.size()));
      ok = WriteAll(f, std::string_view(zeros).substr(0, n));
      left -= n;
    }
  }
  ok = ok && std::fseek(f, 0, SEEK_SET) == 0 && WriteAll(f, content) && FlushToDisk(f);
  ok = (std::fclose(f) == 0) && ok;
  // Cut off what is left of a longer old file, so it holds exactly `content`.
  if (ok) fs::resize_file(path, content.size(), ec);
  return ok && !ec;
}

std::string CIniFile::ComputeBackupName() const {
  // Backups are "<file>.NNN"; the next number follows the highest one found
  // among the files named like the file itself.
  const fs::path path(path_);
  const std::string name = path.filename().string();
  const auto dot = name.rfind('.');
  const std::string prefix = (dot == std::string::npos) ? name : name.substr(0, dot);
  int highest = 0;
  std::error_code ec;
  for (fs::directory_iterator it(path.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (entry.size() < prefix.size() || !EqualFolded(entry.substr(0, prefix.size()), prefix) ||
        entry.find('.', prefix.size()) == std::string::npos) {
      continue;
    }
    int number = 0;
    for (char c : entry.substr(entry.size() >= 3 ? entry.size() - 3 : 0)) {
      if (c < '0' || c > '9') break;
      number = number * 10 + (c - '0');
    }
    highest = std::max(highest, number);
  }
  std::string digits = std::to_string(highest + 1);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return path_ + "." + digits;
}

std::string CIniFile::Save(bool makeBackup) {
  if (!modified_ || path_.empty()) return "";
  if (makeBackup) {
    if (backupName_.empty()) backupName_ = ComputeBackupName();
    std::string error;
    CopyFileAtomically(path_, backupName_, error);
  }
  lastSaveOk_ = WriteToDisk(Serialize());
  return lastSaveOk_ ? backupName_ : std::string();
}

void CIniFile::Clear() {
  sections_.clear();
  path_.clear();
  modified_ = false;
  // A backup name belongs to the file it was made for.
  backupName_.clear();
}

}  // namespace radio
