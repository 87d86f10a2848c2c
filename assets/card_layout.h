// The cards' common layout: where the tilted card lies in the 200 x 200
// picture, the frame along it in which the ornaments and the wish are
// drawn, and the table of the twenty wishes.
#pragma once

#include <array>
#include <string_view>

namespace assets {

inline constexpr int kCardSize = 200;
inline constexpr int kCardCount = 20;

struct Point {
  double x = 0, y = 0;
};

// The card's corners in picture pixels, clockwise from the top-left. The
// card's outline is the polygon through them; a pixel belongs to the card
// when its centre lies inside (on the outline counts as inside).
inline constexpr std::array<Point, 4> kCardCorners = {{{9, 35}, {169, 14}, {189, 164}, {28, 184}}};

// The card's own frame: origin at the mean of the corners, x along the top
// edge, y down the left edge, both in pixels; the card spans +-kCardHalfWidth
// by +-kCardHalfHeight in it.
inline constexpr Point kCardCentre = {98.75, 99.25};
inline constexpr double kCardTiltDegrees = 7.35;  // counter-clockwise
inline constexpr double kCardHalfWidth = 80.9;
inline constexpr double kCardHalfHeight = 75.4;

// Whether pixel (x, y) belongs to the card.
bool InsideCard(int x, int y);

// The widest line of a wish, in pixels: wider lines are set a little
// narrower so that they stay inside the chain of small sprigs.
inline constexpr double kWishMaxWidth = 118;

struct Wish {
  std::array<std::string_view, 4> lines;  // UTF-8; unused lines empty
  int line_count;
  double cap_height;   // pixels, the first capital's height
  double block_top;    // top of the first line, card frame y
  double block_bottom; // bottom of the last line, card frame y
};

extern const std::array<Wish, kCardCount> kWishes;

}  // namespace assets
