// Any bytes, padded with 0xFF or cut to 6144, as a radio image: decoding the
// channel table, storing it back and decoding again must give the same
// texts, and storing must leave alone every byte the channel table does not
// own. A byte beyond the image picks the language of the texts.
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "image/channel_codec.h"

namespace {

using namespace radio;

bool OwnedByChannelCommit(std::size_t offset, std::uint8_t changedBits) {
  if (offset < kChannelRecords * kChannelRecordSize) {
    const std::size_t b = offset % kChannelRecordSize;
    if (b == 12 || b == 14 || b == 15) return false;
    return b != 13 || (changedBits & 0x01) == 0;
  }
  if (offset >= kBandLimitOffset && offset < kBandLimitOffset + 6) return true;
  return offset == kChannelCommitOffset && changedBits == (1 << kChannelCommitBit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const RadioImage original = fuzz::ImageOf({data, size});
  const Language lang = fuzz::LanguageOf(size > kImageSize ? data[kImageSize] : 0);

  ChannelTable first, second;
  BandState band;
  DecodeChannelTable(original, first, band, lang);
  RadioImage image = original;
  EncodeChannelTable(first, band.limits, image);
  DecodeChannelTable(image, second, band, lang);
  fuzz::Check(first == second, "the channel texts survive a store");
  for (std::size_t i = 0; i < image.size(); ++i) {
    const std::uint8_t changed = original[i] ^ image[i];
    fuzz::Check(changed == 0 || OwnedByChannelCommit(i, changed),
                "storing the channel table changes only its own bytes");
  }
  return 0;
}
