#include "channels/grid_layout.h"

namespace radio {
namespace {

constexpr std::array<double, kGridColumns> kWidthFactors = {0.5,  1.06, 1.06, 1.1, 1.1,
                                                            1.08, 0.7,  0.86, 0.8, 1.05};

}  // namespace

std::array<int, kGridColumns> ColumnWidths(int w) {
  std::array<int, kGridColumns> widths{};
  for (int c = 0; c < kGridColumns; ++c)
    widths[static_cast<std::size_t>(c)] =
        static_cast<int>(w * kWidthFactors[static_cast<std::size_t>(c)]);
  return widths;
}

float ScreenScale(int screenWidth) {
  if (screenWidth <= kScaleThreshold) return 1.0f;
  return static_cast<float>(screenWidth) / 1024.0f;
}

float RescaleFactor(int screenWidth, float appliedScale) {
  // A screen of 800 pixels or less leaves the view as it is drawn now.
  if (appliedScale <= 0.0f || screenWidth <= kScaleThreshold) return 1.0f;
  return ScreenScale(screenWidth) / appliedScale;
}

int Scaled(int length, float scale) {
  return static_cast<int>(static_cast<float>(length) * scale);
}

}  // namespace radio
