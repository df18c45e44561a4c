#include "image/band_limits.h"

#include <algorithm>

namespace radio {
namespace {

constexpr std::int64_t kMHz = 100000;  // 10 Hz units per MHz

int Hi(std::uint8_t b) { return b >> 4; }
int Lo(std::uint8_t b) { return b & 0x0F; }

std::int64_t Limit(int hundreds, int tens, int units) {
  return (hundreds * 100 + tens * 10 + units) * kMHz;
}

}  // namespace

BandLimits DecodeBandLimits(const BandLimitBytes& k) {
  BandLimits l;
  l.lower1 = Limit(Hi(k[0]), Lo(k[0]), Hi(k[2]));
  l.upper1 = Limit(Hi(k[1]), Lo(k[1]), Lo(k[2]));
  l.lower2 = Limit(Hi(k[3]), Lo(k[3]), Hi(k[5]));
  l.upper2 = Limit(Hi(k[4]), Lo(k[4]), Lo(k[5]));
  return l;
}

BandLimitBytes EncodeBandLimits(const BandLimits& l) {
  const auto digits = [](std::int64_t f, int& h, int& t, int& u) {
    const int mhz = static_cast<int>(std::clamp<std::int64_t>(f / kMHz, 0, 999));
    h = mhz / 100;
    t = (mhz / 10) % 10;
    u = mhz % 10;
  };
  int ah, at, au, bh, bt, bu, ch, ct, cu, dh, dt, du;
  digits(l.lower1, ah, at, au);
  digits(l.upper1, bh, bt, bu);
  digits(l.lower2, ch, ct, cu);
  digits(l.upper2, dh, dt, du);
  const auto pack = [](int hi, int lo) { return static_cast<std::uint8_t>((hi << 4) | lo); };
  return {pack(ah, at), pack(bh, bt), pack(au, bu), pack(ch, ct), pack(dh, dt), pack(cu, du)};
}

BandLimitBytes ReadBandLimitBlock(const RadioImage& image) {
  BandLimitBytes block;
  std::copy_n(image.begin() + kBandLimitOffset, block.size(), block.begin());
  return block;
}

void WriteBandLimitBlock(RadioImage& image, const BandLimitBytes& block) {
  std::copy(block.begin(), block.end(), image.begin() + kBandLimitOffset);
}

void BandState::RefreshFromImage(const RadioImage& image) {
  const BandLimitBytes block = ReadBandLimitBlock(image);
  limits = DecodeBandLimits(block);
  bytes = block;
  NormaliseBandLimitBytes(bytes);
}

void BandState::Confirm(const BandLimits& newLimits, RadioImage& image) {
  limits = newLimits;
  bytes = EncodeBandLimits(newLimits);
  WriteBandLimitBlock(image, bytes);
}

}  // namespace radio
