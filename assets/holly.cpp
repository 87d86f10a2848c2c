// Holly leaves with scalloped, spiked edges, shaded across; red berries
// with a rounded shine; each with a thin grey shadow towards the lower right.
#include "holly.h"

#include <cmath>
#include <numbers>

#include "cairo_paint.h"
#include "card_layout.h"

namespace assets {

namespace {

constexpr Tone kLeafLight{114, 177, 80};
constexpr Tone kLeafDark{71, 129, 53};
constexpr Tone kLeafEdge{40, 92, 34};
constexpr Tone kLeafRib{62, 114, 46};
constexpr Tone kBerryLight{209, 46, 22};
constexpr Tone kBerryDark{161, 13, 5};
constexpr Tone kBerryEdge{128, 10, 4};
constexpr Tone kStalk{118, 74, 38};
constexpr double kShadowDx = 0.9, kShadowDy = 1.1;
constexpr double kShadowGrey = 0.45, kShadowAlpha = 0.45;

// The leaf outline in its own frame: base at the origin, tip at (length, 0).
void LeafPath(cairo_t* cr, double length, double width) {
  // Spike points along each side, as (share of length, share of half-width).
  static constexpr double kAlong[] = {0.0, 0.2, 0.44, 0.7, 1.0};
  static constexpr double kAcross[] = {0.12, 0.92, 1.0, 0.78, 0.0};
  const double half = width / 2;
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  for (int side : {-1, 1}) {
    for (int k = 0; k < 4; ++k) {
      // Upper side runs base to tip, lower side tip to base.
      const int i = side < 0 ? k : 4 - k;
      const int j = side < 0 ? k + 1 : 3 - k;
      const double x0 = kAlong[i] * length, y0 = side * kAcross[i] * half;
      const double x1 = kAlong[j] * length, y1 = side * kAcross[j] * half;
      if (k == 0) cairo_line_to(cr, x0, y0);
      // The edge between two spikes bows in towards the rib.
      const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2 * 0.5;
      cairo_curve_to(cr, x0 + (cx - x0) * 2 / 3, y0 + (cy - y0) * 2 / 3, x1 + (cx - x1) * 2 / 3,
                     y1 + (cy - y1) * 2 / 3, x1, y1);
    }
  }
  cairo_close_path(cr);
}

// A leaf from `base` towards `tip`.
void Leaf(cairo_t* cr, double bx, double by, double tx, double ty, double width, bool rib) {
  const double length = std::hypot(tx - bx, ty - by);
  const double angle = std::atan2(ty - by, tx - bx);
  const double edge = rib ? 0.9 : 0.6;

  cairo_save(cr);
  cairo_translate(cr, bx + kShadowDx, by + kShadowDy);
  cairo_rotate(cr, angle);
  LeafPath(cr, length, width);
  cairo_set_source_rgba(cr, kShadowGrey, kShadowGrey, kShadowGrey, kShadowAlpha);
  cairo_fill(cr);
  cairo_restore(cr);

  cairo_save(cr);
  cairo_translate(cr, bx, by);
  cairo_rotate(cr, angle);
  LeafPath(cr, length, width);
  SetGradient(cr, cairo_pattern_create_linear(0, -width / 2, length * 0.15, width / 2),
              {{0, kLeafLight}, {1, kLeafDark}});
  cairo_fill_preserve(cr);
  SetColor(cr, kLeafEdge);
  cairo_set_line_width(cr, edge);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  if (rib) {
    cairo_move_to(cr, length * 0.04, 0);
    cairo_curve_to(cr, length * 0.35, width * 0.05, length * 0.65, width * 0.03, length * 0.92, 0);
    SetColor(cr, kLeafRib);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void Berry(cairo_t* cr, double x, double y, double radius) {
  cairo_new_path(cr);
  cairo_arc(cr, x + kShadowDx * 0.8, y + kShadowDy * 0.8, radius, 0, 2 * std::numbers::pi);
  cairo_set_source_rgba(cr, kShadowGrey, kShadowGrey, kShadowGrey, kShadowAlpha);
  cairo_fill(cr);

  cairo_arc(cr, x, y, radius, 0, 2 * std::numbers::pi);
  SetGradient(cr, cairo_pattern_create_radial(x - radius * 0.35, y - radius * 0.4, 0, x, y, radius),
              {{0, kBerryLight}, {1, kBerryDark}});
  cairo_fill_preserve(cr);
  SetColor(cr, kBerryEdge);
  cairo_set_line_width(cr, radius > 3 ? 0.6 : 0.4);
  cairo_stroke(cr);
}

// The top-left sprig, in the card's frame.
void LargeSprig(cairo_t* cr) {
  cairo_move_to(cr, -63, -57);
  cairo_curve_to(cr, -66, -61, -69, -64, -73, -67.5);
  SetColor(cr, kStalk);
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);

  Leaf(cr, -61, -60, -21, -66.5, 16, true);   // along the top, pointing right
  Leaf(cr, -66, -55, -72.5, -15, 16, true);   // along the left edge, pointing down
  Berry(cr, -61.5, -57.5, 4.2);
  Berry(cr, -54.8, -55.2, 3.8);
  Berry(cr, -60.2, -50.0, 3.6);
}

// A small sprig centred at (x, y); (tx, ty) runs along the chain and
// (ox, oy) points out towards the card's edge.
void SmallSprig(cairo_t* cr, double x, double y, double tx, double ty, double ox, double oy) {
  constexpr double kLength = 8.2, kWidth = 5.0, kLean = 0.4, kGap = 0.9;
  for (int dir : {-1, 1}) {
    const double ax = dir * tx + kLean * ox, ay = dir * ty + kLean * oy;
    const double norm = std::hypot(ax, ay);
    const double bx = x + dir * tx * kGap, by = y + dir * ty * kGap;
    Leaf(cr, bx, by, bx + ax / norm * kLength, by + ay / norm * kLength, kWidth, false);
  }
  constexpr double kRadius = 1.95, kInward = 1.3, kApart = 1.7;
  for (int dir : {-1, 1})
    Berry(cr, x - ox * kInward + dir * tx * kApart, y - oy * kInward + dir * ty * kApart, kRadius);
}

}  // namespace

void DrawLargeSprigs(cairo_t* cr) {
  cairo_save(cr);
  LargeSprig(cr);
  cairo_rotate(cr, std::numbers::pi);
  LargeSprig(cr);
  cairo_restore(cr);
}

void DrawSprigChain(cairo_t* cr) {
  constexpr double kInset = 10;
  const double top = -kCardHalfHeight + kInset, side = kCardHalfWidth - kInset;
  cairo_save(cr);
  for (int turn = 0; turn < 2; ++turn) {
    for (int k = 0; k < 7; ++k) SmallSprig(cr, -14 + 13.6 * k, top, 1, 0, 0, -1);
    for (int k = 0; k < 5; ++k) SmallSprig(cr, side, -51 + 15.5 * k, 0, 1, 1, 0);
    cairo_rotate(cr, std::numbers::pi);  // the bottom and the left side
  }
  cairo_restore(cr);
}

}  // namespace assets
