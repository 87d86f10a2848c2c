// The pastry dish: a coiled pie of crinkled pastry sheets baked golden, in
// a wrapping of shiny red material, with a glittering poinsettia, a gold
// bauble, a gold pine cone and a red ribbon, cut out on a transparent
// ground with a clean binary edge.
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "drawings.h"
#include "enclosed.h"
#include "geometry.h"
#include "paint.h"
#include "pine_cone.h"

namespace assets {

namespace {

using art::EllipsePath;
using art::kPi;
using art::Prng;

constexpr int kWidth = art::kDishWidth;
constexpr int kHeight = art::kDishHeight;

// The red wrapping: a rounded oval with a crinkled outline.
constexpr double kWrapX = 363, kWrapY = 353;
constexpr double kWrapRx = 350, kWrapTop = 233, kWrapBottom = 206;
constexpr double kWrapPower = 3.0;

// The pie's top face and the height of its side wall.
constexpr double kPieX = 368, kPieY = 312, kPieRx = 318, kPieRy = 160, kPieWall = 52;

// The flower, the bauble and the pine cone.
constexpr double kFlowerX = 688, kFlowerY = 505;
constexpr double kBaubleX = 842, kBaubleY = 418, kBaubleR = 92;
// The cone lies with its stalk towards the ribbon and its tip down to the left.
constexpr double kConeX = 784, kConeY = 592, kConeAngle = kPi - 0.2;
constexpr double kConeLength = 240, kConeHalfWidth = 47;

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
      Tone c = Scaled({205, 18, 32}, light);
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
  SetGradient(cr, cairo_pattern_create_linear(0, kPieY + kPieRy - 18, 0, kPieY + kPieRy + kPieWall),
              {{0.0, {248, 196, 98}}, {0.3, {228, 156, 58}}, {0.7, {176, 98, 30}}, {1.0, {84, 42, 14}}});
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // Folds of the sheet down the wall, of uneven length, and the layers'
  // edges running round it.
  for (double u = -1.0; u < 1.0; u += rng.Range(0.008, 0.022)) {
    const double x = kPieX + u * kPieRx;
    const double top = kPieY + std::sqrt(1 - u * u) * kPieRy;
    const double y0 = top + rng.Range(-8, kPieWall * 0.5);
    const double len = rng.Range(8, 26), lean = rng.Range(-4, 4);
    for (int side = 0; side < 2; ++side) {
      const double sx = x + side * 2.2;
      cairo_move_to(cr, sx, y0);
      cairo_curve_to(cr, sx + lean, y0 + len * 0.3, sx - lean, y0 + len * 0.7, sx + lean * 0.4, y0 + len);
      const double depth = std::clamp((y0 - top) / kPieWall, 0.0, 1.0);
      if (side == 0) SetColor(cr, Mix({110, 54, 14}, {60, 26, 6}, depth), rng.Range(0.45, 0.7));
      else SetColor(cr, Mix({255, 222, 150}, {214, 150, 70}, depth), rng.Range(0.3, 0.55));
      cairo_set_line_width(cr, rng.Range(1.3, 2.3));
      cairo_stroke(cr);
    }
  }
  for (int i = 0; i < 160; ++i) {
    const double u0 = rng.Range(-1, 0.95), u1 = u0 + rng.Range(0.03, 0.12);
    const double down = rng.Range(0.15, 0.9) * kPieWall;
    cairo_new_path(cr);
    for (int k = 0; k <= 8; ++k) {
      const double u = std::min(1.0, u0 + (u1 - u0) * k / 8);
      const double x = kPieX + u * kPieRx, y = kPieY + std::sqrt(std::max(0.0, 1 - u * u)) * kPieRy + down;
      if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y + std::sin(k * 1.9) * 1.2);
    }
    if (rng.Unit() < 0.5) SetColor(cr, {255, 220, 150}, rng.Range(0.3, 0.6));
    else SetColor(cr, {70, 32, 8}, rng.Range(0.3, 0.6));
    cairo_set_line_width(cr, rng.Range(0.9, 1.6));
    cairo_stroke(cr);
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
    Tone colour;
  };
  // From the shaded flanks of each roll in to its lit crest.
  const Pass passes[] = {
      {gap * 0.98, 0, 0, {96, 44, 12}},
      {gap * 0.84, 0, 0, {158, 80, 20}},
      {gap * 0.68, -0.003, -0.005, {198, 114, 32}},
      {gap * 0.5, -0.006, -0.01, {224, 150, 48}},
      {gap * 0.32, -0.009, -0.015, {242, 184, 72}},
      {gap * 0.14, -0.012, -0.02, {254, 214, 116}},
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
  // crease beside a lit ridge, at uneven steps along the coil and broken
  // off at uneven lengths.
  auto at = [&](double angle, double r, double& x, double& y) {
    x = kPieX + std::cos(angle) * r * kPieRx;
    y = kPieY + std::sin(angle) * r * kPieRy;
  };
  for (double t = 0.004; t < 1.0;) {
    const double angle = t * turns * 2 * kPi;
    const double r = 0.07 + 0.93 * t;
    const double px_per_rad = r * 0.5 * (kPieRx + kPieRy);
    const double dtheta = rng.Range(2.0, 3.2) / px_per_rad;
    const double from = rng.Range(-0.46, -0.1) * gap, to = rng.Range(0.1, 0.46) * gap;
    const double bend = rng.Range(-0.2, 0.2) * gap / r;
    for (int side = 0; side < 2; ++side) {
      const double a = angle + side * dtheta;
      double x0, y0, xm, ym, x1, y1;
      at(a, r + from, x0, y0);
      at(a + bend, r + (from + to) / 2, xm, ym);
      at(a, r + to, x1, y1);
      cairo_move_to(cr, x0, y0);
      cairo_curve_to(cr, xm, ym, xm, ym, x1, y1);
      if (side == 0) SetColor(cr, {rng.Range(96, 130), rng.Range(44, 62), rng.Range(10, 18)}, rng.Range(0.45, 0.7));
      else SetColor(cr, {rng.Range(245, 255), rng.Range(192, 220), rng.Range(110, 150)}, rng.Range(0.35, 0.6));
      cairo_set_line_width(cr, rng.Range(1.3, 2.4));
      cairo_stroke(cr);
    }
    t += rng.Range(4.0, 11.0) / px_per_rad / (turns * 2 * kPi);
  }
  // Edges of the sheet's layers along each roll, broken here and there.
  for (int i = 0; i < 700; ++i) {
    const double t = rng.Unit();
    const double angle = t * turns * 2 * kPi;
    const double r = 0.07 + 0.93 * t + rng.Range(-0.36, 0.36) * gap;
    const double span = rng.Range(12, 40) / (r * 0.5 * (kPieRx + kPieRy));
    cairo_new_path(cr);
    for (int k = 0; k <= 8; ++k) {
      double x, y;
      at(angle + span * k / 8, r + std::sin(k * 1.7) * 0.01, x, y);
      if (k == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    if (rng.Unit() < 0.55) SetColor(cr, {255, rng.Range(214, 236), rng.Range(140, 176)}, rng.Range(0.35, 0.65));
    else SetColor(cr, {rng.Range(100, 130), rng.Range(46, 64), 12}, rng.Range(0.35, 0.6));
    cairo_set_line_width(cr, rng.Range(0.9, 1.6));
    cairo_stroke(cr);
  }
  // Browned, crisp crests where the sheets stood up in the oven.
  for (int i = 0; i < 900; ++i) {
    const double t = rng.Unit();
    const double angle = t * turns * 2 * kPi;
    const double r = 0.07 + 0.93 * t + rng.Range(-0.2, 0.15) * gap;
    double x, y;
    at(angle, r, x, y);
    const double rad = rng.Range(3, 9);
    const Tone c = rng.Unit() < 0.7 ? Tone{150, 70, 18} : Tone{110, 46, 10};
    SetGradient(cr, cairo_pattern_create_radial(x, y, 0, x, y, rad),
                {{0, c, rng.Range(0.35, 0.7)}, {1, c, 0}});
    EllipsePath(cr, x, y, rad, rad * 0.7);
    cairo_fill(cr);
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
  SetGradient(cr, cairo_pattern_create_radial(kPieX - 110, kPieY - 50, 0, kPieX - 110, kPieY - 50, 190),
              {{0, {255, 244, 200}, 0.3}, {1, {255, 244, 200}, 0}});
  cairo_paint(cr);
  SetGradient(cr, cairo_pattern_create_linear(0, kPieY - kPieRy, 0, kPieY),
              {{0, {110, 50, 8}, 0.3}, {1, {90, 44, 10}, 0}});
  cairo_paint(cr);
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
  SetGradient(cr, cairo_pattern_create_linear(0, 490, 0, 580),
              {{0.0, {235, 40, 50}}, {0.5, {180, 10, 24}}, {1.0, {110, 0, 12}}});
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_set_source_rgba(cr, 0.3, 0, 0.03, 1);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  art::Glitter(cr, rng, 880, 520, 140, 50, 1400, {255, 150, 160}, {90, 0, 10}, 2.4);
  cairo_restore(cr);
}

// One bract of the poinsettia: a pointed leaf from the centre outwards.
void Bract(cairo_t* cr, Prng& rng, double angle, double length, double width, Tone colour) {
  cairo_save(cr);
  cairo_translate(cr, kFlowerX, kFlowerY);
  cairo_scale(cr, 1.0, 0.78);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -width, length * 0.7, -width * 0.8, length, 0);
  cairo_curve_to(cr, length * 0.7, width * 0.8, length * 0.3, width, 0, 0);
  cairo_close_path(cr);
  SetGradient(cr, cairo_pattern_create_linear(0, 0, length, 0),
              {{0.0, Scaled(colour, 0.45)},
               {0.35, colour},
               {0.7, Mix(colour, {255, 80, 90}, 0.25)},
               {1.0, Scaled(colour, 0.7)}});
  cairo_fill_preserve(cr);
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

// The flower's shadow on the pie, the bauble and the ribbon.
void DrawFlowerShadow(cairo_t* cr) {
  EllipsePath(cr, kFlowerX - 12, kFlowerY + 18, 160, 120);
  cairo_set_source_rgba(cr, 0.05, 0, 0, 0.45);
  cairo_fill(cr);
}

void DrawFlower(cairo_t* cr, Prng& rng) {
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
  art::Sphere(cr, kBaubleX, kBaubleY, kBaubleR, {214, 166, 52}, rng, 160);
  DrawPie(cr, rng);
  DrawRibbon(cr, rng);
  DrawFlowerShadow(cr);
  // The cone has glitter of its own, so that the flower keeps its shape.
  Prng cone_rng(0x636f6e65ULL);
  art::DrawPineCone(cr, cone_rng, kConeX, kConeY, kConeAngle, kConeLength, kConeHalfWidth);
  DrawFlower(cr, rng);
  // Nothing may show where the tree, the heading and the button cover the
  // dish in the window.
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  for (const PixelRect& r : {art::UnderTree(), art::UnderHeading(), art::UnderButton()}) {
    cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1);
  }
  cairo_fill(cr);
  Raster out = canvas.ToRaster(true);
  // Gaps closed in between the ornaments lie in deep shadow.
  art::FillEnclosed(out, {24, 0, 4});
  return out;
}

}  // namespace assets
