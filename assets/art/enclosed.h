// Holes in a cut-out: transparent pixels that the picture's border cannot
// reach through transparent pixels (4-connected).
#pragma once

#include <cstddef>

#include "colour.h"
#include "raster.h"

namespace assets::art {

// How many pixels the holes hold together.
std::size_t EnclosedHoles(const Raster& raster);

// Makes every pixel of a hole opaque in `colour`, so the shape has none.
void FillEnclosed(Raster& raster, Rgb colour);

}  // namespace assets::art
