// The printed record of a full radio (all five sections, 128 used
// channels, 31 pages): building the page model, and model plus PDF.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "image/band_limits.h"
#include "print/page_renderer.h"
#include "print/page_text.h"

namespace {

using namespace radio;

struct FullRadio {
  FullRadio() {
    BandLimitBytes none{};
    image = MakeNewImage(none);
    for (std::size_t r = 0; r < 128; ++r)
      channels[r] = {"145.50000", "145.50000", "88.5", "D023N", "CH" + std::to_string(r + 1),
                     "High", "Wide", "Yes", "Carrier"};
  }
  RadioImage image{};
  ChannelTable channels{};
};

constexpr print::SectionChoice kAll = {true, true, true, true, true};

void BM_PageModel(benchmark::State& state) {
  const FullRadio radio;
  const print::PrintSource source{radio.image, radio.channels, Language::English, "Owner", {}};
  for (auto _ : state) {
    const auto plan = print::PlanPrint(kAll, radio.channels);
    auto pages = print::BuildDocument(plan, source, print::NominalMetrics());
    benchmark::DoNotOptimize(pages);
  }
}
BENCHMARK(BM_PageModel)->Unit(benchmark::kMillisecond);

void BM_ModelAndPdf(benchmark::State& state) {
  const FullRadio radio;
  const print::PrintSource source{radio.image, radio.channels, Language::English, "Owner", {}};
  QTemporaryDir dir;
  const QString path = dir.filePath("radio.pdf");
  for (auto _ : state) {
    const auto plan = print::PlanPrint(kAll, radio.channels);
    std::string error;
    if (!print::WritePdf(path, plan, source, error)) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_ModelAndPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
