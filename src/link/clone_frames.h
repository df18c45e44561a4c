// The bytes of the clone protocol that both sides know: the PC's engines and
// the virtual radio.
#pragma once

#include <array>
#include <cstdint>

#include "image/radio_image.h"

namespace radio {

constexpr std::uint8_t kAck = 0x06;
constexpr std::array<std::uint8_t, 7> kWakeUpFrame = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
constexpr std::uint8_t kIdentifyCommand = 'M';  // followed by 0x02
constexpr std::uint8_t kIdentifyArgument = 0x02;
constexpr std::uint8_t kReadCommand = 'R';   // address high, low, length
constexpr std::uint8_t kWriteCommand = 'W';  // address high, low, length, then the data
constexpr std::size_t kReadHeaderSize = 4;   // before the data of a read answer
constexpr std::size_t kIdentityAnswerSize = 8;

// Radio addresses the clone run looks at.
constexpr std::uint16_t kIdentRowAddress = 0x0FD0;  // 16 bytes, never written by a clone
constexpr std::uint16_t kBandTypeAddress = 0x0FD1;
constexpr std::uint16_t kOptionRowAddress = 0x0C70;  // byte 3 carries option bit 3
constexpr std::uint16_t kPasswordRowAddress = 0x0FE0;
constexpr std::uint16_t kPasswordAddress = 0x0FE2;  // 6 ASCII digits, 0xFF-padded
constexpr std::uint16_t kSquelchAddress = 0x0FF6;   // 4 bytes

}  // namespace radio
