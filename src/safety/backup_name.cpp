#include "safety/backup_name.h"

#include <charconv>
#include <cstdio>

#include "base/ini_file.h"
#include "image/band_limits.h"

namespace radio {
namespace {

constexpr std::size_t kMaxPartBytes = 40;
constexpr std::int64_t kTenHzPerMHz = 100000;

bool KeptAsIs(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '+' || c == '.' || c >= 0x80;
}

// Reads exactly `count` decimal digits at `pos`.
std::optional<int> Digits(std::string_view text, std::size_t pos, std::size_t count) {
  if (pos + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

int ModelTypeOfImage(const RadioImage& image) { return image[kModelTypeOffset]; }

std::string ModelNameOfImage(const RadioImage& image, const CIniFile& ini) {
  return ini.Get("Setup", "Type" + std::to_string(ModelTypeOfImage(image) + 1), "");
}

std::string BackupModelText(const RadioImage& image, std::string_view modelName) {
  std::string text = SanitiseNamePart(modelName);
  if (text.empty()) text = "type" + std::to_string(ModelTypeOfImage(image));
  return text;
}

std::string BackupBandText(const RadioImage& image) {
  const BandLimits b = DecodeBandLimits(ReadBandLimitBlock(image));
  return std::to_string(b.lower1 / kTenHzPerMHz) + "-" + std::to_string(b.upper1 / kTenHzPerMHz) +
         "_" + std::to_string(b.lower2 / kTenHzPerMHz) + "-" +
         std::to_string(b.upper2 / kTenHzPerMHz);
}

std::string SanitiseNamePart(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    const char kept = KeptAsIs(c) ? ch : '-';
    if (kept == '-' && (out.empty() || out.back() == '-')) continue;
    out += kept;
  }
  if (out.size() > kMaxPartBytes) {
    std::size_t cut = kMaxPartBytes;
    // Never end inside a UTF-8 sequence: back up to a lead byte.
    while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
    out.resize(cut);
  }
  while (!out.empty() && (out.back() == '-' || out.back() == '.')) out.pop_back();
  std::size_t start = 0;
  while (start < out.size() && (out[start] == '-' || out[start] == '.')) ++start;
  return out.substr(start);
}

std::string BackupFileName(const BackupStamp& s, std::string_view model, std::string_view band,
                           int sequence) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d%02d%02d", s.year, s.month, s.day, s.hour,
                s.minute, s.second);
  std::string name = stamp;
  if (sequence > 1) name += "-" + std::to_string(sequence);
  name += "_";
  name += model;
  name += "_";
  name += band;
  name += ".dat";
  return name;
}

std::optional<BackupNameParts> ParseBackupFileName(std::string_view name) {
  // 2026-12-07_153012[-n]_model_band.dat
  constexpr std::string_view kExt = ".dat";
  if (name.size() < 17 + kExt.size() || name.substr(name.size() - kExt.size()) != kExt)
    return std::nullopt;
  name.remove_suffix(kExt.size());
  BackupNameParts p;
  const auto y = Digits(name, 0, 4), mo = Digits(name, 5, 2), d = Digits(name, 8, 2),
             h = Digits(name, 11, 2), mi = Digits(name, 13, 2), se = Digits(name, 15, 2);
  if (!y || !mo || !d || !h || !mi || !se || name[4] != '-' || name[7] != '-' || name[10] != '_')
    return std::nullopt;
  p.stamp = {*y, *mo, *d, *h, *mi, *se};
  std::size_t pos = 17;
  if (pos < name.size() && name[pos] == '-') {
    const std::size_t end = name.find('_', pos);
    if (end == std::string_view::npos) return std::nullopt;
    const auto [ptr, ec] = std::from_chars(name.data() + pos + 1, name.data() + end, p.sequence);
    if (ec != std::errc() || ptr != name.data() + end || p.sequence < 2) return std::nullopt;
    pos = end;
  }
  if (pos >= name.size() || name[pos] != '_') return std::nullopt;
  const std::string_view rest = name.substr(pos + 1);
  const std::size_t split = rest.find('_');
  if (split == std::string_view::npos || split == 0) return std::nullopt;
  p.model = rest.substr(0, split);
  p.band = rest.substr(split + 1);
  if (p.band.empty()) return std::nullopt;
  return p;
}

bool IsNewerBackup(const BackupNameParts& a, const BackupNameParts& b) {
  if (a.stamp != b.stamp) return a.stamp > b.stamp;
  return a.sequence > b.sequence;
}

}  // namespace radio
