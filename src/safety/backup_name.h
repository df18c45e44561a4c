// Names of the copies kept of every read from a radio:
//   2026-12-07_153012_<model>_<band>.dat
// date and time of the read, the model and both bands, safe on every file
// system. A second read in the same second gets "-2", "-3", ... after the
// time, so names never collide and still sort by when they were made.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "image/radio_image.h"

namespace radio {

class CIniFile;

struct BackupStamp {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  auto operator<=>(const BackupStamp&) const = default;
};

// The model byte of the image (0x17D1) and its name in Program.ini
// ([Setup] Type<n+1>); empty when Program.ini names no such model.
int ModelTypeOfImage(const RadioImage& image);
std::string ModelNameOfImage(const RadioImage& image, const CIniFile& ini);

// The model part of a backup name: the model's name, else "type<n>".
std::string BackupModelText(const RadioImage& image, std::string_view modelName);
// Whole MHz of both bands: "136-174_400-480".
std::string BackupBandText(const RadioImage& image);

// Letters, digits, '-', '+', '.' and non-ASCII (UTF-8) characters stay;
// every other character (path separators, spaces, '_', ':' ...) becomes
// '-'; runs of '-' shrink to one, '-' and '.' are trimmed from both ends and
// the result is cut to at most 40 bytes on a character boundary.
std::string SanitiseNamePart(std::string_view text);

// `sequence` 1 is the plain name; 2 and up add "-<sequence>" after the time.
std::string BackupFileName(const BackupStamp& stamp, std::string_view model,
                           std::string_view band, int sequence = 1);

struct BackupNameParts {
  BackupStamp stamp;
  int sequence = 1;
  std::string model;
  std::string band;  // as in the name: "136-174_400-480"
};

// The parts of a name made by BackupFileName; nothing for any other file,
// so that only our own copies are ever listed or pruned.
std::optional<BackupNameParts> ParseBackupFileName(std::string_view name);

// Newest first: later stamp, then higher sequence.
bool IsNewerBackup(const BackupNameParts& a, const BackupNameParts& b);

}  // namespace radio
