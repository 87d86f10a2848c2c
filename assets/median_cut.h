// Median cut: chooses a given number of colours for an exact histogram by
// splitting the colour space into boxes, each box giving its mean colour.
//
// Each step splits the box whose colours spread most (sum of squared
// deviations, weighted by pixel count) at the weighted median of its widest
// channel. Splitting stops early when every box holds a single colour.
#pragma once

#include <cstddef>
#include <vector>

#include "colour.h"

namespace assets {

struct ColourCount {
  PackedRgb colour;
  std::uint32_t count;  // pixels of that colour, at least 1
};

// `histogram` holds each colour once. Returns at most `boxes` colours, and
// none for an empty histogram. The same histogram gives the same colours.
std::vector<Rgb> MedianCut(std::vector<ColourCount> histogram, std::size_t boxes);

}  // namespace assets
