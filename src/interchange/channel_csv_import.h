// Import of channels from CSV text in the common radio layout. Planning
// decides, row by row, what each channel would become and lists every
// problem; nothing changes until the plan is applied, so a preview can show
// it first.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/band_limits.h"
#include "image/channel_codec.h"
#include "image/language.h"
#include "image/radio_image.h"
#include "interchange/channel_csv_fields.h"

namespace radio {

enum class ImportSeverity {
  kWarning,  // the row is taken, changed as the message says (a cut name)
  kError,    // the row is skipped
};

struct ImportProblem {
  int line = 0;        // file line, the header being line 1; 0: no line at fault
  std::string column;  // header name of the field at fault; empty for the whole file
  ImportSeverity severity = ImportSeverity::kError;
  std::string
      message;  // in the plan's language, e.g. "146.513000 MHz is not on the 5 / 6.25 kHz step"

  // "line 7, Frequency: 146.513000 MHz is not on the 5 / 6.25 kHz step"
  // ("第 7 行，Frequency：…" in Chinese).
  std::string Text(Language lang = Language::English) const;
};

using ChannelRecordBytes = std::array<std::uint8_t, kChannelRecordSize>;

// What one data row of the file does.
struct ImportRow {
  int line = 0;         // file line of the row
  int channel = 0;      // 1-128; 0 when the row names no usable channel
  bool skipped = true;  // any problem of kind kError
  bool targetWasEmpty = true;
  ChannelRecordBytes oldRecord{};         // the target channel as it is
  ChannelRecordBytes newRecord{};         // what the row writes (= oldRecord when skipped)
  ChannelRow oldTexts, newTexts;          // the grid's texts of both, in the plan's language
  ChannelCsvFields oldFields, newFields;  // the same as CSV texts (optional signal included)
  std::vector<ImportProblem> problems;

  bool ChangesChannel() const { return !skipped && oldRecord != newRecord; }
};

struct ChannelImportPlan {
  // Problems of the file as a whole: errors (unreadable CSV, UTF-16, no
  // header, no Location column, too large), after which `rows` is empty and
  // nothing can be applied, and warnings (a column named twice).
  std::vector<ImportProblem> fileProblems;
  std::vector<ImportRow> rows;  // file order

  bool Readable() const;
  int SkippedRows() const;
  int ChangedChannels() const;
  // Every problem, file problems first, then row by row in line order.
  std::vector<ImportProblem> AllProblems() const;
};

// Limits that keep a wrong file (a log, a database dump) from taking the
// memory: a list of 128 channels is a few kilobytes.
constexpr std::size_t kLargestChannelCsv = 4 * 1024 * 1024;
constexpr std::size_t kMostChannelCsvRows = 10000;

// Plans the import of `csv` into `target`. Frequencies are checked against
// 67-600 MHz, the 5 / 6.25 kHz step (receive) and `limits` (both). Columns
// the file lacks, and empty Mode / Power / BusyLock fields, keep the target
// channel's values (the new-channel defaults for an empty channel). Names
// read with `names` (see CsvTextToName); the plan's CSV texts use it too.
ChannelImportPlan PlanChannelImport(std::string_view csv, const RadioImage& target,
                                    const BandLimits& limits, Language lang = Language::English,
                                    const NameCharset* names = nullptr);

// Writes the new record of every row that is not skipped. Channels no row
// names and the FR record stay as they are.
void ApplyChannelImport(const ChannelImportPlan& plan, RadioImage& image);

}  // namespace radio
