// Holes in a cut-out: transparent pixels that the picture's border cannot
// reach through transparent pixels.
#pragma once

#include <cstdint>

#include "raster.h"

namespace assets::art {

// Makes every transparent pixel that the border cannot reach through
// transparent pixels opaque in the given colour, so the shape has no hole.
void FillEnclosed(Raster& raster, std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace assets::art
