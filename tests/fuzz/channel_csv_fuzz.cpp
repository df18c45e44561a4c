// libFuzzer target: any bytes as a channel CSV file. Reading, planning and
// applying must never crash or hang, must touch nothing but channels 1-128,
// what the CSV writer writes must read back to the same fields, and what
// an import takes must survive export and import unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "image/channel_codec.h"
#include "interchange/channel_csv_export.h"
#include "interchange/channel_csv_import.h"
#include "interchange/csv_text.h"

namespace {

using radio::fuzz::Check;

radio::RadioImage Target() {
  radio::BandLimitBytes bands = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};
  radio::RadioImage image = radio::MakeNewImage(bands);
  radio::EncodeChannelRecord(
      {"145.50000", "145.00000", "D023N", "88.5", "HOME", "Low", "Narrow", "No", "Carrier"},
      image.data());
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  std::vector<radio::CsvRecord> records;
  radio::CsvError error;
  if (radio::ReadCsv(text, records, error)) {
    std::string again;
    for (const radio::CsvRecord& r : records) again += radio::CsvLine(r.fields);
    std::vector<radio::CsvRecord> reread;
    Check(radio::ReadCsv(again, reread, error) && reread.size() == records.size(),
          "written records read back");
    for (std::size_t k = 0; k < records.size(); ++k)
      Check(reread[k].fields == records[k].fields, "written fields read back");
  } else {
    Check(error.line >= 1 && !error.message.empty(), "a refused file says where and why");
  }

  static const radio::RadioImage target = Target();
  const radio::BandLimits limits;
  const radio::ChannelImportPlan plan = radio::PlanChannelImport(text, target, limits);
  radio::RadioImage image = target;
  radio::ApplyChannelImport(plan, image);
  const std::size_t channelsEnd = radio::kFrRecord * radio::kChannelRecordSize;
  Check(std::equal(image.begin() + channelsEnd, image.end(), target.begin() + channelsEnd),
        "an import touches channels 1-128 only");
  for (const radio::ImportRow& row : plan.rows) {
    const bool error = std::any_of(row.problems.begin(), row.problems.end(), [](const auto& p) {
      return p.severity == radio::ImportSeverity::kError;
    });
    Check(row.skipped == error, "a row is skipped exactly when it has an error");
    Check(row.skipped || (row.channel >= 1 && row.channel <= 128), "a taken row names a channel");
  }
  // Whatever was taken is representable: exporting the result and importing
  // that into the same target gives the result again, without a problem.
  const radio::ChannelImportPlan again =
      radio::PlanChannelImport(radio::ExportChannelsCsv(image, limits), target, limits);
  Check(again.AllProblems().empty(), "what was taken exports without a problem");
  radio::RadioImage rebuilt = target;
  radio::ApplyChannelImport(again, rebuilt);
  Check(rebuilt == image, "what was taken survives export and import");
  return 0;
}
