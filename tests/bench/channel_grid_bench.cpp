// Filling the channel grid from a full image (129 used rows) and committing
// it back, as a read from the radio followed by a save does.
#include <benchmark/benchmark.h>
#include <QApplication>

#include "base/app_context.h"
#include "channels/program_view.h"
#include "image/channel_codec.h"
#include "image/program_doc.h"

namespace radio {
namespace {

RadioImage FullImage() {
  BandLimitBytes bands = {0x13, 0x17, 0x46, 0x40, 0x48, 0x00};
  RadioImage image = MakeNewImage(bands);
  const auto& tones = ToneList(Language::English);
  for (int r = 0; r < kChannelRecords; ++r) {
    const std::int64_t rx = (r % 2 ? 40000000 : 13400000) + r * 12500;
    const ChannelRow row = {FrequencyText(rx),
                            FrequencyText(rx + 500000),
                            tones[static_cast<std::size_t>(r % 261)],
                            tones[static_cast<std::size_t>((r * 7) % 261)],
                            "CH" + std::to_string(r),
                            r % 3 ? "High" : "Low",
                            r % 2 ? "Wide" : "Narrow",
                            "Yes",
                            r % 3 ? "Off" : "QT/DQT"};
    EncodeChannelRecord(row, image.data() + r * kChannelRecordSize);
  }
  return image;
}

void BM_FillAndCommitChannelGrid(benchmark::State& state) {
  CProgramDoc doc;
  doc.Image() = FullImage();
  CProgramView view(doc);
  view.resize(1000, 600);
  view.show();
  QApplication::processEvents();
  for (auto _ : state) {
    view.FillFromImage();
    QApplication::processEvents();  // the repaint the fill causes
    view.CommitToImage();
    benchmark::DoNotOptimize(doc.Image().data());
  }
}
BENCHMARK(BM_FillAndCommitChannelGrid)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace radio

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
