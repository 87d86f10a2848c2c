// Where the window's other controls cover the pastry dish, and where the
// display slot lies over it, in the dish picture's pixels: the dish
// picture is stretched over Image1's frame, and the frames are those of
// Form1's design.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "raster.h"

namespace assets::art {

// The dish picture's size.
inline constexpr int kDishWidth = 1000, kDishHeight = 700;

// The part of the dish picture under the frame of Form1's control `name`
// (the array member `index`), rounded outward and clipped to the picture.
PixelRect UnderControl(std::string_view name, std::optional<std::int16_t> index = std::nullopt);

// Controls stacked above the dish: the tree, the heading and the button;
// and the display slot, where the pie must be drawn.
inline PixelRect UnderTree() { return UnderControl("Image3"); }
inline PixelRect UnderHeading() { return UnderControl("Label1"); }
inline PixelRect UnderButton() { return UnderControl("Command1"); }
inline PixelRect UnderSlot() { return UnderControl("Image2", 20); }

}  // namespace assets::art
