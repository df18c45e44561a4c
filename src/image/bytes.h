// Small helpers for the byte encodings every part of the image uses:
// packed BCD digit pairs, bit fields inside one byte, 0xFF-padded text
// fields and big-endian 16-bit numbers. Every codec goes through these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace radio {

// BCD of 0-99: tens in the high nibble, units in the low nibble.
constexpr std::uint8_t ToBcd(int value) {
  return static_cast<std::uint8_t>(((value / 10) << 4) + (value % 10));
}

// Digit-pair value of a packed BCD byte: high nibble x 10 + low nibble.
// Nibbles above 9 are taken at face value, as the radio's bytes may hold them.
constexpr int DigitPair(std::uint8_t byte) { return (byte >> 4) * 10 + (byte & 0x0F); }

// Bit field of `width` bits starting at bit `low` (bit 0 = least significant).
constexpr int GetBits(std::uint8_t byte, int low, int width) {
  return (byte >> low) & ((1 << width) - 1);
}

// Replaces only the bits of the field; every other bit of the byte stays.
constexpr void SetBits(std::uint8_t& byte, int low, int width, int value) {
  const int mask = ((1 << width) - 1) << low;
  byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << low) & mask));
}

constexpr bool GetBit(std::uint8_t byte, int bit) { return GetBits(byte, bit, 1) != 0; }
constexpr void SetBit(std::uint8_t& byte, int bit, bool on) { SetBits(byte, bit, 1, on ? 1 : 0); }

// Text field: single-byte characters, left-aligned, padded with 0xFF.
// Reading stops at the first 0xFF or 0x00 byte (or the field's end).
std::string ReadTextField(std::span<const std::uint8_t> field);

// Writes the first field.size() bytes of `text`, then 0xFF up to the end.
void WriteTextField(std::span<std::uint8_t> field, std::string_view text);

// 16-bit numbers written by the feature editors: high byte first.
constexpr int GetU16BE(const std::uint8_t* p) { return (p[0] << 8) | p[1]; }
constexpr void SetU16BE(std::uint8_t* p, int value) {
  p[0] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
  p[1] = static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace radio
