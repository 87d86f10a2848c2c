// The heap of presents at the foot of the tree: boxes of many sizes in
// shiny gold paper, tied crosswise with red ribbon and finished with red
// bows, some turned, some set back and partly hidden behind the others.
#pragma once

#include <cairo.h>

#include "prng.h"

namespace assets::art {

// Draws the heap, with the shaded floor beneath it, over whatever lies
// behind it: the boxes span 26 to 984 across and their fronts stand at
// about y = 1270, on the pale strip of floor the tree draws first.
void DrawPresents(cairo_t* cr, Prng& rng);

}  // namespace assets::art
