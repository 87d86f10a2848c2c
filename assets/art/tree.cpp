// The tree with presents: a photographic fir tree hung with red glittering
// baubles, red tinsel, gold bead strings and small gold ornaments, a red
// flower on top with a gold bow, standing on a heap of presents in gold
// paper tied with red ribbon, cut out on a transparent ground with a pale
// fringe here and there and a ragged strip of floor under the presents.
#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas.h"
#include "drawings.h"
#include "paint.h"
#include "presents.h"

namespace assets {

namespace {

using art::EllipsePath;
using art::kPi;
using art::Prng;

constexpr int kWidth = 1000;
constexpr int kHeight = 1325;

// The tree's axis, the foot of its top ornament and where its branches
// end behind the presents.
constexpr double kAxis = 505;
constexpr double kCrown = 118;
constexpr double kFoot = 1010;
constexpr double kSpread = 366;

// Half the tree's width at height y, before the branch tips.
double HalfWidth(double y) {
  const double t = std::clamp((y - kCrown + 20) / (kFoot - kCrown), 0.0, 1.0);
  return kSpread * std::pow(t, 0.92);
}

// A cluster of needles at (x, y) along a branch heading dir (radians).
void Needles(cairo_t* cr, Prng& rng, double x, double y, double dir, double light, int count, double len) {
  for (int i = 0; i < count; ++i) {
    const double a = dir + rng.Range(-1.1, 1.1);
    const double l = len * rng.Range(0.5, 1.1);
    const double sx = x + rng.Range(-4, 4), sy = y + rng.Range(-3, 3);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, sx + std::cos(a) * l, sy + std::sin(a) * l + l * 0.15);
    const double v = std::clamp(light + rng.Range(-0.22, 0.22), 0.0, 1.0);
    Tone c = Mix({6, 34, 14}, {40, 104, 46}, std::min(1.0, v * 1.6));
    if (v > 0.62) c = Mix({40, 104, 46}, {128, 178, 104}, (v - 0.62) / 0.38);
    SetColor(cr, c);
    cairo_set_line_width(cr, rng.Range(1.3, 2.6));
    cairo_stroke(cr);
  }
}

struct Branch {
  double x0, y0, x1, y1;  // from the trunk side to the tip
  double light;           // 0 deep in shade to 1 in full light
};

// The branches of one tier, from the sides to the middle so that the
// nearer, middle branches lie over the side ones.
std::vector<Branch> TierBranches(Prng& rng, double y, double droop) {
  std::vector<Branch> out;
  const double w = HalfWidth(y + droop);
  const int n = std::max(3, static_cast<int>(w / 42));
  for (int i = n; i >= 0; --i) {
    for (int side = -1; side <= 1; side += 2) {
      if (i == 0 && side == 1) continue;
      const double f = static_cast<double>(i) / n;
      Branch b;
      b.x1 = kAxis + side * w * f * rng.Range(0.92, 1.06);
      b.y1 = y + droop * (0.6 + 0.4 * f) + rng.Range(-6, 6);
      b.x0 = kAxis + side * w * f * 0.35;
      b.y0 = y - 8;
      const double facing = 1 - f;  // branches in the middle face the viewer
      b.light = 0.35 + 0.35 * facing + (side < 0 ? 0.12 : -0.06) + rng.Range(-0.1, 0.1);
      out.push_back(b);
    }
  }
  return out;
}

void DrawBranch(cairo_t* cr, Prng& rng, const Branch& b, bool fringe) {
  const double dir = std::atan2(b.y1 - b.y0, b.x1 - b.x0);
  const double len = std::hypot(b.x1 - b.x0, b.y1 - b.y0);
  const int clusters = std::max(3, static_cast<int>(len / 14));
  if (fringe) {
    // Light caught from the old background at the cut-out edge.
    for (int i = 0; i < 8; ++i) {
      const double a = dir + rng.Range(-0.8, 0.8);
      const double l = rng.Range(14, 24);
      cairo_move_to(cr, b.x1, b.y1);
      cairo_line_to(cr, b.x1 + std::cos(a) * l, b.y1 + std::sin(a) * l + 4);
      SetColor(cr, {rng.Range(196, 226), rng.Range(204, 230), rng.Range(196, 218)}, 0.9);
      cairo_set_line_width(cr, 3.0);
      cairo_stroke(cr);
    }
  }
  for (int c = 0; c <= clusters; ++c) {
    const double t = static_cast<double>(c) / clusters;
    const double x = b.x0 + (b.x1 - b.x0) * t;
    const double y = b.y0 + (b.y1 - b.y0) * t + std::sin(t * kPi) * 6;
    Needles(cr, rng, x, y, dir + 0.25 * (t - 0.5), b.light * (0.65 + 0.45 * t), 14, 18 + 8 * t);
  }
}

void DrawGreenery(cairo_t* cr, Prng& rng) {
  // Deep shade inside the tree, black in the deepest gaps.
  cairo_new_path(cr);
  cairo_move_to(cr, kAxis, kCrown - 10);
  for (double y = kCrown; y <= kFoot; y += 10) cairo_line_to(cr, kAxis + HalfWidth(y) * 0.78, y);
  for (double y = kFoot; y >= kCrown; y -= 10) cairo_line_to(cr, kAxis - HalfWidth(y) * 0.78, y);
  cairo_close_path(cr);
  SetColor(cr, {4, 20, 8});
  cairo_fill(cr);
  for (int i = 0; i < 70; ++i) {
    const double y = rng.Range(kCrown + 60, kFoot);
    const double x = kAxis + rng.Range(-0.7, 0.7) * HalfWidth(y);
    EllipsePath(cr, x, y, rng.Range(8, 22), rng.Range(4, 10));
    SetColor(cr, {0, 0, 0});
    cairo_fill(cr);
  }
  // Tiers from the foot up: each tier's drooping tips lie over the tier
  // below, as seen from a little below the crown.
  const int tiers = 17;
  for (int k = tiers - 1; k >= 0; --k) {
    const double y = kCrown + 10 + (kFoot - kCrown - 40) * std::pow(static_cast<double>(k) / (tiers - 1), 1.05);
    const double droop = 34 + 22 * static_cast<double>(k) / tiers;
    const std::vector<Branch> branches = TierBranches(rng, y, droop);
    for (std::size_t i = 0; i < branches.size(); ++i) {
      const bool outer = i < 2;
      DrawBranch(cr, rng, branches[i], outer && rng.Unit() < 0.45);
    }
  }
  // The crown's own tip.
  for (int i = 0; i < 6; ++i) Needles(cr, rng, kAxis, kCrown + 4 + i * 7.0, kPi / 2 + rng.Range(-1.4, 1.4), 0.6, 10, 16);
}

// A point on a spiral wound about the tree from the crown (t = 0) to the
// foot (t = 1); depth > 0 on the side facing the viewer.
void Spiral(double t, double turns, double phase, double& x, double& y, double& depth) {
  const double a = phase + t * turns * 2 * kPi;
  y = kCrown + 40 + t * (kFoot - kCrown - 110) + std::sin(a) * 10;
  x = kAxis + std::cos(a) * HalfWidth(y) * 0.82;
  depth = std::sin(a);
}

void DrawTinsel(cairo_t* cr, Prng& rng, double phase) {
  const int steps = 1400;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < steps; ++i) {
    double x, y, depth;
    Spiral(static_cast<double>(i) / steps, 4.5, phase, x, y, depth);
    if (depth < -0.15) continue;
    const double fade = std::clamp((depth + 0.15) * 2.5, 0.0, 1.0);
    for (int s = 0; s < 5; ++s) {
      const double a = rng.Range(0, 2 * kPi), l = rng.Range(5, 14);
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + std::cos(a) * l, y + std::sin(a) * l * 0.8);
      const double pick = rng.Unit();
      Tone c = pick < 0.15 ? Tone{255, 200, 200} : (pick < 0.55 ? Tone{214, 18, 30} : Tone{140, 4, 14});
      if (pick > 0.93) c = {255, 255, 255};
      SetColor(cr, Scaled(c, 0.55 + 0.45 * fade), 0.9);
      cairo_set_line_width(cr, rng.Range(1.2, 2.6));
      cairo_stroke(cr);
    }
  }
}

void DrawBeads(cairo_t* cr, Prng& rng, double phase) {
  const int steps = 520;
  for (int i = 0; i < steps; ++i) {
    double x, y, depth;
    Spiral(static_cast<double>(i) / steps, 5.5, phase, x, y, depth);
    if (depth < 0.05) continue;
    const double r = 4.2;
    SetGradient(cr, cairo_pattern_create_radial(x - 1.4, y - 1.4, 0.3, x, y, r),
                {{0, {255, 246, 190}}, {0.5, {226, 176, 60}}, {1, {110, 70, 12}}});
    EllipsePath(cr, x, y, r, r);
    cairo_fill(cr);
    (void)rng;
  }
}

// A small gold ornament: a little bell-like drop with a highlight.
void GoldOrnament(cairo_t* cr, Prng& rng, double x, double y, double r) {
  cairo_move_to(cr, x, y - r * 1.5);
  cairo_line_to(cr, x, y - r * 2.3);
  SetColor(cr, {150, 110, 30});
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, x, y - r * 1.6);
  cairo_curve_to(cr, x + r * 0.9, y - r * 1.2, x + r * 1.1, y + r * 0.2, x + r * 1.2, y + r * 0.8);
  cairo_line_to(cr, x - r * 1.2, y + r * 0.8);
  cairo_curve_to(cr, x - r * 1.1, y + r * 0.2, x - r * 0.9, y - r * 1.2, x, y - r * 1.6);
  cairo_close_path(cr);
  SetGradient(cr, cairo_pattern_create_linear(x - r, 0, x + r, 0),
              {{0, {255, 236, 150}}, {0.4, {222, 170, 50}}, {1, {96, 60, 8}}});
  cairo_fill(cr);
  art::Glitter(cr, rng, x, y - r * 0.3, r * 0.8, r, 14, {255, 250, 210}, {120, 80, 10}, 1.4);
}

void DrawOrnaments(cairo_t* cr, Prng& rng) {
  // Red glittering baubles, spread evenly over the tree.
  const int rows = 8;
  for (int row = 0; row < rows; ++row) {
    const double y = kCrown + 120 + row * (kFoot - kCrown - 200) / (rows - 1.0);
    const int across = 1 + row / 2 + (row > 3 ? 1 : 0);
    for (int i = 0; i < across; ++i) {
      const double f = (i + 0.5) / across * 2 - 1;
      const double yy = y + rng.Range(-25, 25);
      const double x = kAxis + f * HalfWidth(yy) * 0.75 + rng.Range(-18, 18);
      const double r = rng.Range(19, 30) * (0.7 + 0.3 * row / rows);
      // The hook and cap.
      cairo_move_to(cr, x, yy - r - 8);
      cairo_line_to(cr, x, yy - r);
      SetColor(cr, {190, 170, 110});
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
      art::Sphere(cr, x, yy, r, {200, 16, 28}, rng, static_cast<int>(r * 10));
      cairo_rectangle(cr, x - r * 0.22, yy - r - 4, r * 0.44, 6);
      SetColor(cr, {214, 180, 90});
      cairo_fill(cr);
    }
  }
  // Small gold ornaments between them.
  for (int i = 0; i < 26; ++i) {
    const double y = rng.Range(kCrown + 90, kFoot - 80);
    const double x = kAxis + rng.Range(-0.8, 0.8) * HalfWidth(y);
    GoldOrnament(cr, rng, x, y, rng.Range(6, 10));
  }
}

void DrawTopper(cairo_t* cr, Prng& rng) {
  // The gold bow under the flower: two loops and two tails.
  const double bx = kAxis, by = kCrown + 16;
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx + side * 30, by - 40, bx + side * 78, by - 18, bx + side * 62, by + 12);
    cairo_curve_to(cr, bx + side * 50, by + 28, bx + side * 20, by + 14, bx, by);
    cairo_close_path(cr);
    SetGradient(cr, cairo_pattern_create_linear(bx, by - 30, bx + side * 70, by + 20),
                {{0, {255, 238, 150}}, {0.5, {212, 160, 44}}, {1, {120, 76, 10}}});
    cairo_fill_preserve(cr);
    SetColor(cr, {90, 56, 6}, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    EllipsePath(cr, bx + side * 42, by - 6, 16, 8, side * -0.35);
    SetColor(cr, {110, 70, 8});
    cairo_fill(cr);
    cairo_move_to(cr, bx, by + 4);
    cairo_curve_to(cr, bx + side * 20, by + 40, bx + side * 14, by + 70, bx + side * 34, by + 96);
    cairo_line_to(cr, bx + side * 48, by + 88);
    cairo_curve_to(cr, bx + side * 26, by + 64, bx + side * 30, by + 36, bx + side * 8, by + 2);
    cairo_close_path(cr);
    SetColor(cr, {204, 150, 40});
    cairo_fill(cr);
  }
  // The red flower: six rounded petals about a gold heart.
  const double fx = kAxis, fy = 99;
  for (int i = 0; i < 6; ++i) {
    const double a = -kPi / 2 + i * kPi / 3;
    const double px = fx + std::cos(a) * 26, py = fy + std::sin(a) * 26;
    EllipsePath(cr, px, py, 28, 18, a);
    SetGradient(cr, cairo_pattern_create_radial(px - 6, py - 8, 2, px, py, 30),
                {{0, {255, 110, 110}}, {0.5, {208, 16, 30}}, {1, {110, 0, 10}}});
    cairo_fill_preserve(cr);
    SetColor(cr, {80, 0, 8});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  art::Glitter(cr, rng, fx, fy, 50, 46, 260, {255, 190, 190}, {90, 0, 8}, 2.0);
  art::Sphere(cr, fx, fy, 14, {228, 176, 50}, rng, 30);
}

void DrawFloor(cairo_t* cr, Prng& rng) {
  cairo_new_path(cr);
  cairo_move_to(cr, 44, 1270);
  for (double x = 44; x <= 968; x += 12) cairo_line_to(cr, x, 1270 + rng.Range(-4, 6));
  for (double x = 968; x >= 44; x -= 9) cairo_line_to(cr, x, 1287 + rng.Range(-3, 10));
  cairo_close_path(cr);
  SetColor(cr, {226, 222, 212});
  cairo_fill(cr);
}

}  // namespace

Raster DrawTree() {
  art::Canvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();
  Prng rng(0x74726565ULL);
  // Everything stays inside the cut-out's frame: columns 26 to 984, rows 44
  // to 1296.
  cairo_rectangle(cr, 26, 44, 984 - 26 + 1, 1296 - 44 + 1);
  cairo_clip(cr);
  DrawFloor(cr, rng);
  DrawGreenery(cr, rng);
  DrawTinsel(cr, rng, 0.4);
  DrawBeads(cr, rng, 2.2);
  DrawOrnaments(cr, rng);
  DrawTinsel(cr, rng, 3.6);
  DrawTopper(cr, rng);
  art::DrawPresents(cr, rng);
  return canvas.ToRaster(true);
}

}  // namespace assets
