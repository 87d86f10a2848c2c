// The drawings of the window's 23 pictures, each as a raster at its stored
// size: the greeting picture (1600 x 1043), the tree with presents
// (1000 x 1325), the pastry dish (1000 x 700) and the twenty cards
// (200 x 200). Each gives the same pixels on every run.
#pragma once

#include "raster.h"

namespace assets {

Raster DrawGreeting();
Raster DrawTree();
Raster DrawPastry();
// member: 0 to 19, the card of Image2's member of that index.
// Outside 0 to 19 it gives an empty raster. Throws std::runtime_error when the
// wish face cannot be loaded.
Raster DrawCard(int member);

}  // namespace assets
