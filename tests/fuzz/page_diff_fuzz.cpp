// libFuzzer target: the printed pages of any image and the comparison of
// any pair of images. The input is image A (its first 6144 bytes, padded
// with 0xFF), one byte of options (language, printed sections), then bytes
// laid over A with exclusive-or to give image B: short inputs compare an
// image with itself or with a few changed bytes, long ones any two images.
//
// Printing: the document has as many pages as the plan counts, each with
// its footer, every text is UTF-8 (as the renderers read it), and the
// channel pages show every used channel exactly once, in grid order.
// Comparing: an image with itself has no difference, two images that
// differ have at least one, every differing bit no setting or channel
// reads is shown as raw bytes, comparing the other way round gives the
// same differences with before and after swapped, and every line is UTF-8
// text.
#include <cstdint>
#include <string>
#include <vector>

#include "compare/image_diff.h"
#include "fuzz/fuzz_support.h"
#include "image/channel_codec.h"
#include "print/page_model.h"
#include "print/page_text.h"

namespace {

using namespace radio;
using fuzz::Check;

void CheckPages(const RadioImage& image, std::uint8_t options, Language lang) {
  print::SectionChoice sections{};
  for (int i = 0; i < print::kSectionCount; ++i)
    sections[static_cast<std::size_t>(i)] = (options >> (i + 1) & 1) != 0;
  if (sections == print::SectionChoice{}) sections.fill(true);

  ChannelTable channels;
  BandState band;
  DecodeChannelTable(image, channels, band, lang);
  const print::PrintPlan plan = print::PlanPrint(sections, channels);
  int total = 0;
  for (int i = 0; i < print::kSectionCount; ++i)
    if (sections[static_cast<std::size_t>(i)])
      total += plan.pageCounts[static_cast<std::size_t>(i)];
  Check(plan.totalPages == total, "the page count is the sum of the chosen sections' pages");

  const print::PageMetrics metrics = print::NominalMetrics();
  const print::PrintSource source{image, channels, lang, "Owner", {}};
  const std::vector<print::Page> pages = print::BuildDocument(plan, source, metrics);
  Check(static_cast<int>(pages.size()) == plan.totalPages, "every page is built");

  const std::string channelWord = Tr(lang, "Channel ", "信道 ");
  std::vector<std::string> printed;
  for (int p = 1; p <= plan.totalPages; ++p) {
    const std::string footer =
        FillIn(Tr(lang, "Page %1 of %2", "第 %1 页，共 %2 页"),
               {std::to_string(p), std::to_string(plan.totalPages)});
    bool hasFooter = false;
    for (const print::PageItem& item : pages[static_cast<std::size_t>(p - 1)]) {
      Check(fuzz::IsUtf8(item.text), "every printed text is UTF-8");
      hasFooter = hasFooter || item.text == footer;
      const bool header = item.x == 4 * metrics.ColumnUnit() &&
                          item.text.starts_with(channelWord) && item.text.ends_with(":");
      if (header && print::FullSequencePage(plan, p) >= 6)
        printed.push_back(
            item.text.substr(channelWord.size(), item.text.size() - channelWord.size() - 1));
    }
    Check(hasFooter, "every page has its footer");
  }
  if (!sections[static_cast<std::size_t>(print::Section::Channels)]) return;
  std::vector<std::string> used;
  for (int row = 1; row <= kChannelRecords; ++row)
    if (!channels[static_cast<std::size_t>(row - 1)][kRxFrequency].empty())
      used.push_back(row == kChannelRecords ? "FR" : std::to_string(row));
  Check(printed == used, "the channel pages show every used channel once, in order");
}

void CheckDiff(const RadioImage& a, const RadioImage& b, Language lang) {
  Check(DiffImages(a, a, lang).empty() && DiffImages(b, b, lang).empty(),
        "an image compared with itself has no difference");
  const std::vector<ImageDifference> forth = DiffImages(a, b, lang);
  Check(forth.empty() == (a == b), "two images that differ have a difference");

  static const std::array<std::uint8_t, kImageSize> mapped = MappedBits();
  std::vector<bool> shownRaw(kImageSize, false);
  for (const ImageDifference& d : forth) {
    Check(d.offset < kImageSize && d.length >= 1 && d.offset + d.length <= kImageSize,
          "a difference lies within the image");
    if (d.kind == DifferenceKind::Bytes)
      for (std::size_t i = d.offset; i < d.offset + d.length; ++i) shownRaw[i] = true;
    const std::string line = DifferenceText(d, lang);
    Check(fuzz::IsUtf8(line), "a difference reads as UTF-8 text");
  }
  for (std::size_t i = 0; i < kImageSize; ++i)
    if (((a[i] ^ b[i]) & ~mapped[i]) != 0) Check(shownRaw[i], "unread bits are shown as raw bytes");

  const std::vector<ImageDifference> back = DiffImages(b, a, lang);
  Check(back.size() == forth.size(), "comparing the other way finds as many differences");
  for (std::size_t k = 0; k < back.size(); ++k) {
    ImageDifference swapped = forth[k];
    std::swap(swapped.before, swapped.after);
    Check(back[k] == swapped, "comparing the other way swaps before and after");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const RadioImage a = fuzz::ImageOf(in.Take(kImageSize));
  const std::uint8_t options = in.Byte();
  const Language lang = fuzz::LanguageOf(options);
  RadioImage b = a;
  const std::span<const std::uint8_t> changes = in.Rest();
  for (std::size_t i = 0; i < changes.size() && i < kImageSize; ++i) b[i] ^= changes[i];

  CheckPages(a, options, lang);
  CheckDiff(a, b, lang);
  return 0;
}
