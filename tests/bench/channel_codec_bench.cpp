// Decoding the whole channel table into texts and storing it back, with all
// 129 records in use: the work of every grid rebuild and every commit.
#include <benchmark/benchmark.h>

#include "image/channel_codec.h"

namespace {

using namespace radio;

RadioImage FullImage() {
  BandLimitBytes bytes = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};
  RadioImage image = MakeNewImage(bytes);
  const auto& tones = ToneList(Language::English);
  ChannelTable table;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::int64_t rx = 14500000 + static_cast<std::int64_t>(i) * 1250;
    table[i] = {FrequencyText(rx),
                FrequencyText(rx + 60000),
                tones[i % tones.size()],
                tones[(i * 7) % tones.size()],
                "CH" + std::to_string(i + 1),
                i % 2 ? "High" : "Low",
                i % 3 ? "Wide" : "Narrow",
                i % 5 ? "Yes" : "No",
                i % 4 ? "Off" : "Carrier"};
  }
  EncodeChannelTable(table, DecodeBandLimits(bytes), image);
  return image;
}

void BM_DecodeEncodeChannelTable(benchmark::State& state) {
  RadioImage image = FullImage();
  ChannelTable table;
  BandState band;
  for (auto _ : state) {
    DecodeChannelTable(image, table, band, Language::English);
    EncodeChannelTable(table, band.limits, image);
    benchmark::DoNotOptimize(image.data());
  }
  for (const ChannelRow& row : table)
    if (IsBlankRow(row)) state.SkipWithError("a row is unused");
}
BENCHMARK(BM_DecodeEncodeChannelTable);

void BM_DecodeChannelTable(benchmark::State& state) {
  const RadioImage image = FullImage();
  ChannelTable table;
  BandState band;
  for (auto _ : state) {
    DecodeChannelTable(image, table, band, Language::English);
    benchmark::DoNotOptimize(table.data());
  }
}
BENCHMARK(BM_DecodeChannelTable);

void BM_EncodeChannelTable(benchmark::State& state) {
  RadioImage image = FullImage();
  ChannelTable table;
  BandState band;
  DecodeChannelTable(image, table, band, Language::English);
  for (auto _ : state) {
    EncodeChannelTable(table, band.limits, image);
    benchmark::DoNotOptimize(image.data());
  }
}
BENCHMARK(BM_EncodeChannelTable);

}  // namespace
