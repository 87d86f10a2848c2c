// The tests' own view of a card: the corners the cards must have, the
// card's frame through them, and the wishes' expected measures.
#pragma once

#include <array>
#include <cmath>
#include <ostream>

namespace assets_test {

struct Pt {
  double x, y;
};

inline constexpr std::array<Pt, 4> kCorners = {{{9, 35}, {169, 14}, {189, 164}, {28, 184}}};

// Whether pixel (x, y) lies outside the card: its centre outside the outline
// through the corners (on the outline counts as inside). 15,605 pixels do,
// 39.01 %, as the polygon's area leaves 15,605.5; no plain rule of which
// pixels the outline covers gives the 15,582 (38.95 %) first asked for.
inline bool OutsideCard(int x, int y) {
  for (std::size_t i = 0; i < 4; ++i) {
    const Pt a = kCorners[i], b = kCorners[(i + 1) % 4];
    if ((b.x - a.x) * (y + 0.5 - a.y) - (b.y - a.y) * (x + 0.5 - a.x) < 0) return true;
  }
  return false;
}
inline constexpr int kExpectedTransparent = 15605;

// The card's frame: centre at the mean of the corners, u along the top
// edge, v down the left edge, tilt the mean angle of the four edges.
struct CardFrame {
  double cx = 0, cy = 0, cos_t = 1, sin_t = 0;

  CardFrame() {
    double angle = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      cx += kCorners[i].x / 4;
      cy += kCorners[i].y / 4;
      const Pt a = kCorners[i], b = kCorners[(i + 1) % 4];
      // Each edge's turn from its untilted direction (right, down, left, up).
      const double raw = std::atan2(b.y - a.y, b.x - a.x);
      angle += std::remainder(raw - static_cast<double>(i) * std::acos(0.0), 4 * std::acos(0.0)) / 4;
    }
    cos_t = std::cos(angle);
    sin_t = std::sin(angle);
  }
  // Frame coordinates of pixel (x, y)'s centre.
  double U(int x, int y) const { return (x + 0.5 - cx) * cos_t + (y + 0.5 - cy) * sin_t; }
  double V(int x, int y) const { return -(x + 0.5 - cx) * sin_t + (y + 0.5 - cy) * cos_t; }
};

struct WishMeasures {
  int member;
  int lines;
  double cap_height, block_top, block_bottom;
  friend void PrintTo(const WishMeasures& w, std::ostream* os) { *os << "card " << w.member; }
};

inline constexpr std::array<WishMeasures, 20> kWishMeasures = {{
    {0, 1, 20, -15, 7},   {1, 2, 17, -36, 12},  {2, 2, 14, -23, 16},  {3, 3, 16, -35, 39},
    {4, 1, 20, -13, 7},   {5, 3, 12, -37, 16},  {6, 1, 20, -12, 8},   {7, 3, 12, -37, 16},
    {8, 1, 20, -15, 8},   {9, 2, 15, -37, 7},   {10, 3, 12, -21, 33}, {11, 4, 12, -37, 36},
    {12, 1, 20, -15, 9},  {13, 3, 12, -35, 16}, {14, 1, 20, -15, 8},  {15, 1, 20, -13, 9},
    {16, 1, 20, -13, 7},  {17, 1, 20, -12, 12}, {18, 1, 20, -13, 7},  {19, 1, 20, -13, 11},
}};

}  // namespace assets_test
