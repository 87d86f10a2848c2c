// The application icon: the text grids in which its images are drawn, the
// device-independent bitmaps that Windows reads for each image, and the
// icon group that lists them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "version_block.h"

namespace resources {

// One icon image as drawn: each pixel a palette index, or transparent.
struct IconGrid {
  int width = 0;
  int height = 0;
  int colours = 0;                  // 2 or 16
  std::vector<int> pixels;          // rows from the top; -1 is transparent
};

// The letter of each colour of the 16-colour palette, in palette order:
// black, maroon, green, olive, navy, purple, teal, grey, silver, red, lime,
// yellow, blue, fuchsia, aqua, white. A 2-colour grid uses K and W.
inline constexpr std::string_view kPaletteLetters = "KMGONPTDSRLYBFAW";
inline constexpr char kTransparentLetter = '.';

// Reads a grid: lines starting with '#' are comments; the first other line
// gives "width height colours"; then one line of letters for each row.
// A fault is refused with its line number.
std::variant<IconGrid, std::string> ParseIconGrid(std::string_view text);

// The image as Windows stores it in an icon resource: the 40-byte bitmap
// header (height doubled, image size counting both bitmaps), the colour
// table, the colour bitmap and the mask, each bottom row first. Where the
// grid is transparent the mask bit is set and the colour index is 0, or 1
// (white, inverting the screen) in a 2-colour image.
Bytes EncodeIconImage(const IconGrid& grid);

// The icon group: a 6-byte head and one 14-byte entry for each image.
struct GroupEntry {
  const IconGrid* grid;
  std::uint32_t bytes;  // the encoded image's size
  std::uint16_t id;     // the image's resource id
};
Bytes EncodeIconGroup(const std::vector<GroupEntry>& entries);

}  // namespace resources
