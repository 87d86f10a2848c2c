// A glittering gold pine cone seen from the side: an ovoid of overlapping
// rounded scales in staggered rows, each with a lit rim towards the tip and
// a black gap where it dives under the row nearer the stalk.
#pragma once

#include <cairo.h>

#include "prng.h"

namespace assets::art {

// Draws the cone with its stalk at (base_x, base_y), its axis heading
// angle (radians, screen coordinates) towards the tip, length long and
// half_width at its widest.
void DrawPineCone(cairo_t* cr, Prng& rng, double base_x, double base_y, double angle, double length,
                  double half_width);

}  // namespace assets::art
