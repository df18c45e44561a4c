#include "interchange/channel_csv_export.h"

#include <vector>

#include "image/channel_codec.h"
#include "interchange/channel_csv_fields.h"
#include "interchange/csv_text.h"

namespace radio {

std::string ExportChannelsCsv(const RadioImage& image, const BandLimits& limits,
                              const NameCharset* names) {
  const auto& header = ChannelCsvHeader();
  std::string out = CsvLine(std::vector<std::string>(header.begin(), header.end()));
  for (int i = 0; i < kFrRecord; ++i) {
    if (IsEmptyChannelRecord(image.data() + static_cast<std::size_t>(i) * kChannelRecordSize))
      continue;
    const ChannelCsvFields fields = ChannelRecordFields(image, i, limits, names);
    out += CsvLine(std::vector<std::string>(fields.begin(), fields.end()));
  }
  return out;
}

}  // namespace radio
