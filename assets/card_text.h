// Writes a card's wish: dark green lines, each centred across the card, the
// first capital of the size the wish table gives, the block between the
// table's top and bottom. Draws in the card's own frame.
#pragma once

#include <cairo.h>

#include "card_layout.h"

namespace assets {

inline constexpr double kWishRed = 29 / 255.0, kWishGreen = 124 / 255.0, kWishBlue = 7 / 255.0;

// `cr` must already map the card's frame onto the picture.
void DrawWish(cairo_t* cr, const Wish& wish);

}  // namespace assets
