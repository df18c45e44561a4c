#include "image/radio_image.h"

#include <algorithm>

namespace radio {

std::optional<std::size_t> ImageOffsetOfRadioAddress(std::size_t address) {
  if (address >= kRadioMemorySize) return std::nullopt;
  if (address < kLowerAreaEnd) return address;
  const std::size_t upper = address - kLowerAreaEnd;
  return BlockOffset(kUpperFirstBlock + upper / kUpperBytesPerBlock, upper % kUpperBytesPerBlock);
}

std::optional<std::size_t> RadioAddressOfImageOffset(std::size_t offset) {
  if (offset >= kImageSize) return std::nullopt;
  if (offset < kLowerAreaEnd) return offset;
  const std::size_t block = offset / kBlockSize;
  const std::size_t byte = offset % kBlockSize;
  if (block < kUpperFirstBlock || byte >= kUpperBytesPerBlock) return std::nullopt;
  return kLowerAreaEnd + (block - kUpperFirstBlock) * kUpperBytesPerBlock + byte;
}

void NormaliseBandLimitBytes(BandLimitBytes& bytes) {
  const auto all = [&](std::uint8_t v) {
    return std::all_of(bytes.begin(), bytes.end(), [v](std::uint8_t b) { return b == v; });
  };
  if (all(0x00) || all(0xFF)) bytes = kDefaultBandLimitBytes;
}

RadioImage MakeNewImage(BandLimitBytes& processBandBytes) {
  RadioImage image;
  // Blocks 0-254 are filled; block 255 is not part of that fill, and its
  // bytes after the squelch values (0x17F2-0x17FF) are 0xFF like the rest.
  image.fill(0xFF);

  const auto put = [&](std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
  };
  // General settings.
  put(0x1260, {0x01, 0x04, 0x00, 0x00, 0x00, 0xBE, 0x13, 0x7A, 0x00, 0x00});
  // Option bits and priority channel.
  put(0x12A8, {0xFD, 0x00});
  put(0x12AB, {0x01});
  // DTMF bytes.
  put(0x1308, {0x00, 0x04, 0x00, 0x00});
  put(0x130D, {0x01});
  put(0x132F, {0x41});
  put(0x1347, {0x00});
  // 2-Tone encode table (display copy): 32 codes of 2000.0 / 1000.0 Hz,
  // four codes in bytes 0-15 of each block.
  for (std::size_t e = 0; e < 32; ++e)
    put(0x1500 + 24 * (e / 4) + 4 * (e % 4), {0x4E, 0x20, 0x27, 0x10});
  // 2-Tone decode slots (display copy): two slots per block.
  for (std::size_t e = 0; e < 8; ++e)
    put(0x15C0 + 24 * (e / 2) + 8 * (e % 2), {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05});
  // 2-Tone encode timing and short-beep flag.
  put(0x1620, {0x05, 0x05, 0x0A, 0x00, 0x14, 0x00, 0x02, 0x00});
  // Model type.
  put(0x17D1, {0x01});
  // Band limits from the process-wide copy.
  NormaliseBandLimitBytes(processBandBytes);
  std::copy(processBandBytes.begin(), processBandBytes.end(), image.begin() + kBandLimitOffset);
  // Squelch tuning: V wide, V narrow, U wide, U narrow.
  put(0x17EE, {0x29, 0x27, 0x22, 0x1E});
  return image;
}

}  // namespace radio
