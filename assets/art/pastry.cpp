// The pastry dish: a coiled pie of crinkled pastry sheets baked golden, in
// a wrapping of shiny red material, with a glittering poinsettia, a gold
// bauble, a gold pine cone and a red ribbon, cut out on a transparent
// ground with a clean binary edge.
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "drawings.h"
#include "geometry.h"
#include "paint.h"

namespace assets {

namespace {

using art::AddStop;
using art::EllipsePath;
using art::kPi;
using art::Mix;
using art::Prng;
using art::Rgb;
using art::Scaled;
using art::SetColor;

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

// The red wrapping: a rounded oval with a crinkled outline.
constexpr double kWrapX = 363, kWrapY = 353;
constexpr double kWrapRx = 350, kWrapTop = 233, kWrapBottom = 206;
constexpr double kWrapPower = 3.0;

// The pie's top face and the height of its side wall.
constexpr double kPieX = 368, kPieY = 312, kPieRx = 318, kPieRy = 160, kPieWall = 52;

// The flower, the bauble and the pine cone.
constexpr double kFlowerX = 688, kFlowerY = 505;
constexpr double kBaubleX = 858, kBaubleY = 408, kBaubleR = 92;
constexpr double kConeX = 657, kConeY = 634;

double WrapRadius(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  const double ry = s < 0 ? kWrapTop : kWrapBottom;
  const double r = std::pow(std::pow(std::fabs(c) / kWrapRx, kWrapPower) + std::pow(std::fabs(s) / ry, kWrapPower),
                            -1.0 / kWrapPower);
  const double crinkle = 1.0 + 0.012 * std::sin(angle * 23.0) + 0.008 * std::sin(angle * 41.0 + 1.3) +
                         0.006 * std::sin(angle * 67.0 + 0.4);
  return r * crinkle;
}

void WrapPath(cairo_t* cr) {
  cairo_new_path(cr);
  for (int i = 0; i < 720; ++i) {
    const double a = 2 * kPi * i / 720.0;
    const double r = WrapRadius(a);
    const double x = kWrapX + std::cos(a) * r, y = kWrapY + std::sin(a) * r;
    if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void DrawWrap(cairo_t* cr, Prng& rng) {
  WrapPath(cr);
  SetColor(cr, {120, 6, 16});
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  // Crinkled foil: a jittered polar grid of small facets, each catching the
  // light differently, in pleats that run out from the pie.
  constexpr int kRings = 10, kSegments = 200;
  double px[kRings + 1][kSegments + 1], py[kRings + 1][kSegments + 1];
  for (int k = 0; k <= kRings; ++k)
    for (int m = 0; m <= kSegments; ++m) {
      const double a = 2 * kPi * (m % kSegments + (k % 2) * 0.5 + rng.Range(-0.3, 0.3)) / kSegments;
      const double s = 0.55 + 0.56 * (k + rng.Range(-0.3, 0.3)) / kRings;
      const double r = WrapRadius(a) * s;
      px[k][m] = kWrapX + std::cos(a) * r;
      py[k][m] = kWrapY + std::sin(a) * r;
    }
  for (int k = 0; k < kRings; ++k)
    for (int m = 0; m < kSegments; ++m) {
      const int m1 = (m + 1) % kSegments;
      const double pleat = 0.5 + 0.5 * std::sin(m * 0.9 + k * 0.35);
      const double light = 0.45 + 0.65 * pleat * rng.Range(0.6, 1.2) + (k < 3 ? 0.1 : 0.0);
      Rgb c = Scaled({205, 18, 32}, light);
      const double pick = rng.Unit();
      if (pick < 0.05) c = {255, rng.Range(170, 235), rng.Range(175, 230)};
      else if (pick < 0.12) c = {rng.Range(235, 255), rng.Range(70, 120), rng.Range(80, 120)};
      else if (pick < 0.15) c = {rng.Range(25, 50), 0, rng.Range(2, 8)};
      cairo_move_to(cr, px[k][m], py[k][m]);
      cairo_line_to(cr, px[k][m1], py[k][m1]);
      cairo_line_to(cr, px[k + 1][m1], py[k + 1][m1]);
      cairo_line_to(cr, px[k + 1][m], py[k + 1][m]);
      cairo_close_path(cr);
      SetColor(cr, c);
      cairo_fill_preserve(cr);
      SetColor(cr, Scaled(c, 0.7), 0.5);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
  // Deep creases between some pleats.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 90; ++i) {
    const double a = rng.Range(0, 2 * kPi);
    const double rw = WrapRadius(a);
    const double r0 = rng.Range(0.6, 0.85), r1 = rng.Range(0.95, 1.05), bend = rng.Range(-0.05, 0.05);
    cairo_move_to(cr, kWrapX + std::cos(a) * rw * r0, kWrapY + std::sin(a) * rw * r0);
    cairo_line_to(cr, kWrapX + std::cos(a + bend) * rw * r1, kWrapY + std::sin(a + bend) * rw * r1);
    if (rng.Unit() < 0.3) SetColor(cr, {0, 0, 0});
    else SetColor(cr, {45, 0, 6}, 0.8);
    cairo_set_line_width(cr, rng.Range(1.0, 2.5));
    cairo_stroke(cr);
    cairo_move_to(cr, kWrapX + std::cos(a + 0.012) * rw * r0, kWrapY + std::sin(a + 0.012) * rw * r0);
    cairo_line_to(cr, kWrapX + std::cos(a + bend + 0.012) * rw * r1, kWrapY + std::sin(a + bend + 0.012) * rw * r1);
    SetColor(cr, {255, 190, 190}, rng.Range(0.4, 0.9));
    cairo_set_line_width(cr, rng.Range(0.8, 1.8));
    cairo_stroke(cr);
  }
  // A darker band along the outer rim, in shadow.
  WrapPath(cr);
  cairo_set_source_rgba(cr, 0.2, 0, 0.02, 0.55);
  cairo_set_line_width(cr, 10);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void DrawPie(cairo_t* cr, Prng& rng) {
  // Shadow of the pie on the wrapping.
  EllipsePath(cr, kPieX + 8, kPieY + kPieWall + 12, kPieRx + 8, kPieRy + 6);
  cairo_set_source_rgba(cr, 0.1, 0, 0.02, 0.6);
  cairo_fill(cr);
  // Side wall: the outermost roll seen from the side, a crinkled bulge lit
  // from above.
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, kPieX, kPieY + kPieWall);
  cairo_scale(cr, kPieRx, kPieRy);
  cairo_arc(cr, 0, 0, 1, 0, kPi);
  cairo_restore(cr);
  cairo_line_to(cr, kPieX - kPieRx, kPieY);
  cairo_line_to(cr, kPieX + kPieRx, kPieY);
  cairo_close_path(cr);
  cairo_pattern_t* wall = cairo_pattern_create_linear(0, kPieY + kPieRy - 18, 0, kPieY + kPieRy + kPieWall);
  AddStop(wall, 0.0, {238, 184, 92});
  AddStop(wall, 0.35, {214, 148, 60});
  AddStop(wall, 0.75, {160, 94, 34});
  AddStop(wall, 1.0, {92, 50, 18});
  cairo_set_source(cr, wall);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(wall);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double u = -1.0; u < 1.0; u += rng.Range(0.012, 0.03)) {
    const double x = kPieX + u * kPieRx;
    const double top = kPieY + std::sqrt(1 - u * u) * kPieRy;
    const double lean = rng.Range(-3, 3);
    for (int side = 0; side < 2; ++side) {
      const double sx = x + side * 2.4;
      cairo_move_to(cr, sx, top - 10);
      cairo_curve_to(cr, sx + lean, top + kPieWall * 0.3, sx - lean, top + kPieWall * 0.7, sx + lean * 0.4, top + kPieWall + 6);
      if (side == 0) SetColor(cr, {rng.Range(70, 100), rng.Range(34, 50), 10}, rng.Range(0.45, 0.7));
      else SetColor(cr, {255, rng.Range(205, 230), rng.Range(130, 165)}, rng.Range(0.3, 0.55));
      cairo_set_line_width(cr, rng.Range(1.5, 2.5));
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);

  // Top face: the coil of rolled sheets.
  EllipsePath(cr, kPieX, kPieY, kPieRx, kPieRy);
  SetColor(cr, {92, 48, 14});
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  const double turns = 6.5, gap = 0.93 / turns;
  const int steps = 2400;
  auto coil = [&](double du, double dv) {
    cairo_new_path(cr);
    for (int i = 0; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps;
      const double angle = t * turns * 2 * kPi;
      const double r = 0.07 + 0.93 * t;
      const double x = std::cos(angle) * r + du, y = std::sin(angle) * r + dv;
      if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
  };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  struct Pass {
    double width, du, dv;
    Rgb colour;
  };
  // From the shaded flanks of each roll in to its lit crest.
  const Pass passes[] = {
      {gap * 0.96, 0, 0, {128, 70, 24}},
      {gap * 0.8, 0, 0, {172, 104, 38}},
      {gap * 0.62, -0.004, -0.006, {204, 138, 54}},
      {gap * 0.44, -0.007, -0.011, {226, 166, 72}},
      {gap * 0.26, -0.01, -0.016, {242, 196, 106}},
  };
  for (const Pass& pass : passes) {
    cairo_save(cr);
    cairo_translate(cr, kPieX, kPieY);
    cairo_scale(cr, kPieRx, kPieRy);
    coil(pass.du, pass.dv);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, kPieX, kPieY);
    cairo_scale(cr, kPieRx, kPieRy);
    SetColor(cr, pass.colour);
    cairo_set_line_width(cr, pass.width);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  // Pleats across each roll: the crinkled sheet folds, each a shadowed
  // crease beside a lit ridge, a few pixels apart along the coil.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double t = 0.004; t < 1.0;) {
    const double angle = t * turns * 2 * kPi;
    const double r = 0.07 + 0.93 * t;
    const double step_px = rng.Range(5.0, 10.0);
    const double px_per_rad = r * 0.5 * (kPieRx + kPieRy);
    const double dtheta = 2.6 / px_per_rad;
    const double bend = rng.Range(-0.25, 0.25) * gap;
    for (int side = 0; side < 2; ++side) {
      const double a = angle + side * dtheta;
      const double r0 = r - 0.46 * gap, r1 = r + 0.46 * gap;
      const double rm = r + bend * 0.3;
      const double am = a + bend / r;
      cairo_move_to(cr, kPieX + std::cos(a) * r0 * kPieRx, kPieY + std::sin(a) * r0 * kPieRy);
      cairo_curve_to(cr, kPieX + std::cos(am) * rm * kPieRx, kPieY + std::sin(am) * rm * kPieRy,
                     kPieX + std::cos(am) * rm * kPieRx, kPieY + std::sin(am) * rm * kPieRy,
                     kPieX + std::cos(a) * r1 * kPieRx, kPieY + std::sin(a) * r1 * kPieRy);
      if (side == 0) SetColor(cr, {rng.Range(86, 120), rng.Range(42, 60), 12}, rng.Range(0.45, 0.75));
      else SetColor(cr, {255, rng.Range(210, 236), rng.Range(130, 170)}, rng.Range(0.35, 0.65));
      cairo_set_line_width(cr, side == 0 ? rng.Range(1.6, 2.6) : rng.Range(1.4, 2.4));
      cairo_stroke(cr);
    }
    t += step_px / px_per_rad / (turns * 2 * kPi);
  }
  // Fine flakes.
  for (int i = 0; i < 900; ++i) {
    const double t = rng.Unit();
    const double angle = t * turns * 2 * kPi + rng.Range(-0.02, 0.02);
    const double r = 0.07 + 0.93 * t + rng.Range(-0.4, 0.4) * gap;
    const double x = kPieX + std::cos(angle) * r * kPieRx, y = kPieY + std::sin(angle) * r * kPieRy;
    EllipsePath(cr, x, y, rng.Range(1.0, 3.0), rng.Range(0.8, 2.0), rng.Range(0, kPi));
    if (rng.Unit() < 0.5) SetColor(cr, {255, 238, 176}, rng.Range(0.4, 0.8));
    else SetColor(cr, {118, 62, 18}, rng.Range(0.4, 0.8));
    cairo_fill(cr);
  }
  for (int i = 0; i < 160; ++i) {
    const double t = rng.Unit();
    const double angle = t * turns * 2 * kPi;
    const double r = 0.07 + 0.93 * t;
    const double x = kPieX + std::cos(angle) * r * kPieRx, y = kPieY + std::sin(angle) * r * kPieRy - 2;
    const double rad = rng.Range(6, 22);
    cairo_pattern_t* spot = cairo_pattern_create_radial(x, y, 0, x, y, rad);
    AddStop(spot, 0, {126, 62, 16}, rng.Range(0.4, 0.75));
    AddStop(spot, 1, {126, 62, 16}, 0);
    cairo_set_source(cr, spot);
    EllipsePath(cr, x, y, rad, rad * 0.7);
    cairo_fill(cr);
    cairo_pattern_destroy(spot);
  }
  // The deepest shadow between the rolls.
  cairo_save(cr);
  cairo_translate(cr, kPieX, kPieY);
  cairo_scale(cr, kPieRx, kPieRy);
  cairo_new_path(cr);
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double angle = t * turns * 2 * kPi;
    const double r = 0.07 + 0.93 * t + gap * 0.5;
    if (i == 0) cairo_move_to(cr, std::cos(angle) * r, std::sin(angle) * r);
    else cairo_line_to(cr, std::cos(angle) * r, std::sin(angle) * r);
  }
  cairo_restore(cr);
  SetColor(cr, {0, 0, 0}, 0.85);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // Butter glaze shine on the upper left, browner towards the far rim.
  cairo_pattern_t* shine = cairo_pattern_create_radial(kPieX - 110, kPieY - 50, 0, kPieX - 110, kPieY - 50, 190);
  AddStop(shine, 0, {255, 244, 200}, 0.3);
  AddStop(shine, 1, {255, 244, 200}, 0);
  cairo_set_source(cr, shine);
  cairo_paint(cr);
  cairo_pattern_destroy(shine);
  cairo_pattern_t* far = cairo_pattern_create_linear(0, kPieY - kPieRy, 0, kPieY);
  AddStop(far, 0, {90, 44, 10}, 0.45);
  AddStop(far, 1, {90, 44, 10}, 0);
  cairo_set_source(cr, far);
  cairo_paint(cr);
  cairo_pattern_destroy(far);
  cairo_restore(cr);
}

void DrawRibbon(cairo_t* cr, Prng& rng) {
  auto centre = [](double t, double& x, double& y) {
    x = 760 + t * 250;
    y = 548 - t * 40 + std::sin(t * 2.6 * kPi) * 20;
  };
  cairo_new_path(cr);
  const int n = 80;
  for (int i = 0; i <= n; ++i) {
    double x, y;
    centre(static_cast<double>(i) / n, x, y);
    const double w = 17 + 5 * std::cos(static_cast<double>(i) / n * 5.2);
    if (i == 0) cairo_move_to(cr, x, y - w); else cairo_line_to(cr, x, y - w);
  }
  for (int i = n; i >= 0; --i) {
    double x, y;
    centre(static_cast<double>(i) / n, x, y);
    const double w = 17 + 5 * std::cos(static_cast<double>(i) / n * 5.2);
    cairo_line_to(cr, x, y + w);
  }
  cairo_close_path(cr);
  cairo_pattern_t* band = cairo_pattern_create_linear(0, 490, 0, 580);
  AddStop(band, 0.0, {235, 40, 50});
  AddStop(band, 0.5, {180, 10, 24});
  AddStop(band, 1.0, {110, 0, 12});
  cairo_set_source(cr, band);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(band);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_set_source_rgba(cr, 0.3, 0, 0.03, 1);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  art::Glitter(cr, rng, 880, 520, 140, 50, 1400, {255, 150, 160}, {90, 0, 10}, 2.4);
  cairo_restore(cr);
}

void DrawCone(cairo_t* cr, Prng& rng) {
  cairo_save(cr);
  cairo_translate(cr, kConeX, kConeY);
  cairo_rotate(cr, -0.1);
  // Dark gaps between the scales.
  cairo_move_to(cr, -112, 0);
  cairo_curve_to(cr, -80, -30, 40, -48, 100, -30);
  cairo_curve_to(cr, 118, -20, 118, 20, 100, 32);
  cairo_curve_to(cr, 40, 52, -80, 30, -112, 0);
  cairo_close_path(cr);
  SetColor(cr, {0, 0, 0});
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  // Scales in offset rows from the tip (left) to the stalk (right), each a
  // rounded shield lit from above, the nearer ones overlapping.
  for (int col = 0; col < 13; ++col) {
    const double x = -104 + col * 17.0;
    const double half = (22 + 20 * (x + 110) / 220) * std::sqrt(std::max(0.0, 1 - (x / 114) * (x / 114))) + 6;
    for (int row = -3; row <= 3; ++row) {
      const double y = (row + (col % 2) * 0.5) * 12.5;
      if (std::fabs(y) > half + 4) continue;
      const double w = 9 + 5 * (x + 110) / 220, h = 6 + 2.5 * (x + 110) / 220;
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_move_to(cr, -w, -h * 0.8);
      cairo_curve_to(cr, -w * 0.2, -h * 1.3, w * 1.1, -h, w, 0);
      cairo_curve_to(cr, w * 1.1, h, -w * 0.2, h * 1.3, -w, h * 0.8);
      cairo_close_path(cr);
      cairo_pattern_t* g = cairo_pattern_create_linear(0, -h, w * 0.3, h);
      const double shade = 1.0 - 0.35 * std::fabs(y) / 40;
      AddStop(g, 0.0, Scaled({252, 228, 136}, shade));
      AddStop(g, 0.45, Scaled({218, 166, 56}, shade));
      AddStop(g, 1.0, Scaled({120, 78, 16}, shade));
      cairo_set_source(cr, g);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(g);
      cairo_set_source_rgba(cr, 0.2, 0.12, 0.0, 0.9);
      cairo_set_line_width(cr, 1.4);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
  }
  cairo_pattern_t* round = cairo_pattern_create_linear(0, -44, 0, 46);
  AddStop(round, 0.0, {255, 240, 200}, 0.25);
  AddStop(round, 0.4, {255, 240, 200}, 0.0);
  AddStop(round, 0.7, {0, 0, 0}, 0.0);
  AddStop(round, 1.0, {0, 0, 0}, 0.6);
  cairo_set_source(cr, round);
  cairo_paint(cr);
  cairo_pattern_destroy(round);
  art::Glitter(cr, rng, 0, 0, 104, 36, 500, {255, 246, 190}, {130, 90, 20}, 1.6);
  cairo_restore(cr);
}

// One bract of the poinsettia: a pointed leaf from the centre outwards.
void Bract(cairo_t* cr, Prng& rng, double angle, double length, double width, Rgb colour) {
  cairo_save(cr);
  cairo_translate(cr, kFlowerX, kFlowerY);
  cairo_scale(cr, 1.0, 0.78);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -width, length * 0.7, -width * 0.8, length, 0);
  cairo_curve_to(cr, length * 0.7, width * 0.8, length * 0.3, width, 0, 0);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, length, 0);
  AddStop(g, 0.0, Scaled(colour, 0.45));
  AddStop(g, 0.35, colour);
  AddStop(g, 0.7, Mix(colour, {255, 80, 90}, 0.25));
  AddStop(g, 1.0, Scaled(colour, 0.7));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_set_source_rgba(cr, 0.25, 0, 0.02, 0.9);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // Veins.
  cairo_set_line_width(cr, 1.6);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, length * 0.95, 0);
  cairo_set_source_rgba(cr, 0.45, 0, 0.05, 0.8);
  cairo_stroke(cr);
  for (int v = 1; v <= 4; ++v) {
    const double at = length * v / 5.5;
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, at, 0);
      cairo_curve_to(cr, at + length * 0.05, side * width * 0.2, at + length * 0.1, side * width * 0.35, at + length * 0.18, side * width * 0.55);
    }
  }
  cairo_set_source_rgba(cr, 0.45, 0, 0.05, 0.55);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  art::Glitter(cr, rng, length * 0.5, 0, length * 0.55, width, static_cast<int>(length * width / 9),
               {255, 170, 180}, {100, 0, 12}, 2.0);
  cairo_restore(cr);
  cairo_restore(cr);
}

void DrawFlower(cairo_t* cr, Prng& rng) {
  // Shadow on what lies beneath.
  EllipsePath(cr, kFlowerX - 12, kFlowerY + 18, 160, 120);
  cairo_set_source_rgba(cr, 0.05, 0, 0, 0.45);
  cairo_fill(cr);
  for (int i = 0; i < 8; ++i) {
    const double a = i * 2 * kPi / 8 + 0.2 + rng.Range(-0.08, 0.08);
    Bract(cr, rng, a, rng.Range(140, 165), rng.Range(40, 48), {196, 14, 26});
  }
  for (int i = 0; i < 7; ++i) {
    const double a = i * 2 * kPi / 7 + 0.6 + rng.Range(-0.1, 0.1);
    Bract(cr, rng, a, rng.Range(85, 105), rng.Range(28, 34), {214, 22, 34});
  }
  // The dark red glittering centre: a cluster of small beads.
  EllipsePath(cr, kFlowerX, kFlowerY, 34, 27);
  SetColor(cr, {40, 0, 6});
  cairo_fill(cr);
  for (int i = 0; i < 26; ++i) {
    const double a = rng.Range(0, 2 * kPi), d = std::sqrt(rng.Unit());
    art::Sphere(cr, kFlowerX + std::cos(a) * d * 26, kFlowerY + std::sin(a) * d * 20, rng.Range(5, 8),
                {120, 4, 20}, rng, 6);
  }
}

}  // namespace

Raster DrawPastry() {
  art::Canvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();
  Prng rng(0x7061737472795ULL);
  DrawWrap(cr, rng);
  // The gold bauble behind the flower, with its cap.
  art::Sphere(cr, kBaubleX, kBaubleY, kBaubleR, {214, 166, 52}, rng, 260);
  DrawPie(cr, rng);
  DrawRibbon(cr, rng);
  DrawCone(cr, rng);
  DrawFlower(cr, rng);
  // Nothing may show where the tree, the heading and the button cover the
  // dish in the window.
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  for (const art::PixelRect& r : {art::kUnderTree, art::kUnderHeading, art::kUnderButton}) {
    cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1);
  }
  cairo_fill(cr);
  Raster out = canvas.ToRaster(true);
  // Gaps closed in between the ornaments lie in deep shadow.
  art::FillEnclosed(out, 24, 0, 4);
  return out;
}

}  // namespace assets
