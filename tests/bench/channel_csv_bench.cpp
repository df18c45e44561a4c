// Exporting a full channel table as CSV and planning its import into a new
// image: the work behind File > Export / Import and the CLI commands.
#include <benchmark/benchmark.h>

#include "image/channel_codec.h"
#include "interchange/channel_csv_export.h"
#include "interchange/channel_csv_import.h"

namespace {

using namespace radio;

constexpr BandLimitBytes kBands = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};

// All 128 channels in use, every kind of tone and a shift on each.
RadioImage FullImage() {
  BandLimitBytes bytes = kBands;
  RadioImage image = MakeNewImage(bytes);
  const auto& tones = ToneList(Language::English);
  for (std::size_t i = 0; i < kFrRecord; ++i) {
    const std::int64_t rx = 14500000 + static_cast<std::int64_t>(i) * 1250;
    EncodeChannelRecord(
        {FrequencyText(rx), FrequencyText(rx + 60000), tones[i % tones.size()],
         tones[(i * 7) % tones.size()], "CH" + std::to_string(i + 1), i % 2 ? "High" : "Low",
         i % 3 ? "Wide" : "Narrow", i % 5 ? "Yes" : "No", i % 4 ? "Off" : "Carrier"},
        image.data() + i * kChannelRecordSize);
  }
  return image;
}

void BM_ExportChannelsCsv(benchmark::State& state) {
  const RadioImage image = FullImage();
  const BandLimits limits = DecodeBandLimits(kBands);
  for (auto _ : state) benchmark::DoNotOptimize(ExportChannelsCsv(image, limits));
}
BENCHMARK(BM_ExportChannelsCsv);

void BM_PlanChannelImport(benchmark::State& state) {
  const BandLimits limits = DecodeBandLimits(kBands);
  const std::string csv = ExportChannelsCsv(FullImage(), limits);
  BandLimitBytes bytes = kBands;
  const RadioImage target = MakeNewImage(bytes);
  for (auto _ : state) benchmark::DoNotOptimize(PlanChannelImport(csv, target, limits));
}
BENCHMARK(BM_PlanChannelImport);

}  // namespace
