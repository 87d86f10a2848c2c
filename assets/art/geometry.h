// Where the window's other controls cover the pastry dish, and where the
// display slot lies over it, in the dish picture's pixels. The dish frame
// spans 600..6255 x 480..5895 twips and maps onto 1000 x 700 pixels.
#pragma once

#include "raster.h"

namespace assets::art {

// A rectangle of twips inside the dish frame as picture pixels, rounded
// outward and clipped to the picture.
constexpr PixelRect DishPixels(int left, int top, int right, int bottom) {
  auto lo = [](long v, long num, long den) { return static_cast<int>(v * num / den); };
  auto hi = [](long v, long num, long den) { return static_cast<int>((v * num + den - 1) / den) - 1; };
  PixelRect r{lo(left - 600, 1000, 5655), lo(top - 480, 700, 5415), hi(right - 600, 1000, 5655),
              hi(bottom - 480, 700, 5415)};
  if (r.x0 < 0) r.x0 = 0;
  if (r.y0 < 0) r.y0 = 0;
  if (r.x1 > 999) r.x1 = 999;
  if (r.y1 > 699) r.y1 = 699;
  return r;
}

// Controls stacked above the dish: the tree, the heading and the button.
inline constexpr PixelRect kUnderTree = DishPixels(5160, 480, 6255, 2415);
inline constexpr PixelRect kUnderHeading = DishPixels(360, 360, 5535, 1215);
inline constexpr PixelRect kUnderButton = DishPixels(480, 5280, 3615, 5775);
// The display slot, where the pie must be drawn.
inline constexpr PixelRect kUnderSlot = DishPixels(1200, 1800, 4095, 4455);

}  // namespace assets::art
