// Program.ini: the program's configuration file (language, AppName, branding
// texts, model names). Loaded once into memory, looked up by (section, key),
// written back whole when the program ends if anything changed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace radio {

// A configuration file is a few kilobytes; a larger one is some other file
// (a log, a picture), refused rather than read for seconds.
constexpr std::uintmax_t kLargestIniFile = 1024 * 1024;

class CIniFile {
 public:
  CIniFile() = default;
  ~CIniFile();  // saves when "save on close" is set, then clears
  CIniFile(const CIniFile&) = delete;
  CIniFile& operator=(const CIniFile&) = delete;

  // Loads `fileName` from the directory of `invocationPath` (the program's
  // own path, argv[0]); a path without a directory falls back to the working
  // directory. A missing file is created empty. False when it cannot be
  // opened or is larger than kLargestIniFile.
  bool Load(const std::string& fileName, bool saveOnClose, bool caseInsensitive, bool makeBackup,
            const std::string& invocationPath);

  // Loads an explicit full path (same rules as Load, used by tests and tools).
  bool LoadPath(const std::string& fullPath, bool saveOnClose, bool caseInsensitive,
                bool makeBackup);

  // The value of the last `key` in the first `section`, cut at a trailing
  // comment ("//", TAB ";", "/*"). A missing section gives `defaultValue` as
  // passed, a missing key gives it trimmed.
  std::string Get(std::string_view section, std::string_view key,
                  std::string_view defaultValue) const;
  // Stores `value`, appending section and key when missing. Does nothing
  // while no file is loaded.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Writes the file when modified; returns the backup file name or "".
  std::string Save(bool makeBackup);
  // Whether the last Save that had something to write reached the disk.
  bool LastSaveOk() const { return lastSaveOk_; }

  void Clear();

  const std::string& Path() const { return path_; }
  bool Modified() const { return modified_; }

  // A section as held: its name (empty for the keys before the first
  // header) and its keys and values in file order.
  struct Section {
    std::string name;
    std::vector<std::string> keys;
    std::vector<std::string> values;
    bool operator==(const Section&) const = default;
  };
  const std::vector<Section>& Sections() const { return sections_; }

 private:
  bool Equal(std::string_view a, std::string_view b) const;
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  std::string ComputeBackupName() const;
  std::string Serialize() const;
  bool WriteToDisk(const std::string& content) const;

  std::string path_;
  std::vector<Section> sections_;
  bool caseInsensitive_ = true;
  bool saveOnClose_ = false;
  bool makeBackup_ = false;
  std::string backupName_;
  bool modified_ = false;
  bool lastSaveOk_ = true;
};

// The last-resort writer for a file that cannot be replaced or truncated:
// overwrites its old length with zero bytes, writes `content` from the start
// and cuts the file to exactly `content`. False when nothing could be written.
bool OverwriteFileInPlace(const std::string& path, std::string_view content);

}  // namespace radio
