// The channel grid's geometry: column widths from the width of column 0,
// and the scaling of the view to wide screens.
#pragma once

#include <array>

namespace radio {

constexpr int kGridColumns = 10;
// Screens this wide or narrower draw the unscaled layout and rescale nothing.
constexpr int kScaleThreshold = 800;

// Widths of columns 0-9 from w, the width of column 0 when the grid is set
// up: w times each column's factor, truncated.
std::array<int, kGridColumns> ColumnWidths(int w);

// The scale the view is drawn at on a screen `screenWidth` pixels wide:
// width / 1024 above 800 pixels, else the unscaled layout (1.0).
float ScreenScale(int screenWidth);
// The factor that takes a view drawn at `appliedScale` to the scale of a
// screen `screenWidth` wide. Relative to what was applied, so that a view
// first shown on a narrow screen, or set up twice, is never scaled twice.
// A screen of 800 pixels or less gives 1.0: the columns stay as they are.
float RescaleFactor(int screenWidth, float appliedScale);

// A length multiplied by a scale factor, truncated.
int Scaled(int length, float scale);

}  // namespace radio
