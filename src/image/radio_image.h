// The radio image: 6144 bytes, 256 blocks of 24 bytes, the PC-side copy of
// everything the radio knows. Only parts of it have a radio address.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace radio {

constexpr std::size_t kImageSize = 6144;
constexpr std::size_t kBlockSize = 24;
constexpr std::size_t kBlockCount = 256;
constexpr std::size_t kRadioMemorySize = 4096;

// Lower transfer area: blocks 0-129, radio address = image offset.
constexpr std::size_t kLowerAreaBlocks = 130;
constexpr std::size_t kLowerAreaEnd = kLowerAreaBlocks * kBlockSize;  // 0x0C30
// Upper transfer area: bytes 0-15 of blocks 195-255 map to radio 0x0C30 on.
constexpr std::size_t kUpperFirstBlock = 195;
constexpr std::size_t kUpperBytesPerBlock = 16;

using RadioImage = std::array<std::uint8_t, kImageSize>;

// Image offset of block `block`, byte `byte`.
constexpr std::size_t BlockOffset(std::size_t block, std::size_t byte = 0) {
  return block * kBlockSize + byte;
}

// Image offset that holds radio address `address` (0x0000-0x0FFF);
// nothing for addresses beyond the radio's memory.
std::optional<std::size_t> ImageOffsetOfRadioAddress(std::size_t address);

// Radio address of an image offset; nothing for the untransferred area
// (blocks 130-194) and for bytes 16-23 of blocks 195-255.
std::optional<std::size_t> RadioAddressOfImageOffset(std::size_t offset);

// The model type byte: index of the model in Program.ini's [Setup] Type<n+1>.
constexpr std::size_t kModelTypeOffset = 0x17D1;

// The radio's power-on password: six ASCII bytes from 0x17D2, 0xFF-padded
// (radio address 0x0FE2).
constexpr std::size_t kPasswordOffset = 0x17D2;
constexpr std::size_t kPasswordLength = 6;

// The six band-limit bytes as kept in the image at 0x17E8-0x17ED, in the
// process-wide copy and in the stored value "Field".
using BandLimitBytes = std::array<std::uint8_t, 6>;
constexpr std::size_t kBandLimitOffset = 0x17E8;
constexpr BandLimitBytes kDefaultBandLimitBytes = {0x33, 0x40, 0x00, 0x33, 0x40, 0x00};

// Six 0x00 or six 0xFF bytes become 33 40 00 33 40 00 (both bands 330-400 MHz).
void NormaliseBandLimitBytes(BandLimitBytes& bytes);

// The image of a new document. Normalises the process-wide band-limit bytes
// first (the copy itself changes) and copies them into the image.
RadioImage MakeNewImage(BandLimitBytes& processBandBytes);

}  // namespace radio
