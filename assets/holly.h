// The cards' holly: the two large corner sprigs and the chain of 24 small
// sprigs between them. Draws in the card's own frame (see card_layout.h).
#pragma once

#include <cairo.h>

namespace assets {

// The large sprig of the top-left corner and its half-turned twin in the
// bottom-right corner.
void DrawLargeSprigs(cairo_t* cr);

// The chain: 7 small sprigs along the top, 5 down the right side, 7 along
// the bottom and 5 up the left side, running from one large sprig to the
// other just inside the card's edges.
void DrawSprigChain(cairo_t* cr);

}  // namespace assets
