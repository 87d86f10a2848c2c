// The gold pine cone: scales laid out on an ovoid body and painted from the
// tip towards the stalk, so that each row covers the lower end of the row
// beyond it.
#include "pine_cone.h"

#include <algorithm>
#include <cmath>

#include "paint.h"

namespace assets::art {

namespace {

// Radius of the cone's body at u, from the stalk (0) to the tip (1):
// round at the stalk, widest a little over a third of the way along and
// narrowing to a blunt point.
double Profile(double u) {
  const double t = std::clamp(u, 0.0, 1.0);
  const double s = std::sin(kPi * std::pow(t, 0.72));
  return std::pow(std::max(0.0, s), 0.45 + 0.45 * t);
}

// One scale about the current origin, its rim pointing along +x: a rounded
// tongue, len long and wide across.
void ScalePath(cairo_t* cr, double len, double wide) {
  cairo_new_path(cr);
  cairo_move_to(cr, -len * 0.55, -wide * 0.38);
  cairo_line_to(cr, len * 0.05, -wide * 0.5);
  cairo_curve_to(cr, len * 0.3, -wide * 0.52, len * 0.48, -wide * 0.3, len * 0.48, 0);
  cairo_curve_to(cr, len * 0.48, wide * 0.3, len * 0.3, wide * 0.52, len * 0.05, wide * 0.5);
  cairo_line_to(cr, -len * 0.55, wide * 0.38);
  cairo_close_path(cr);
}

void Sparkle(cairo_t* cr, double x, double y, double arm) {
  SetGradient(cr, cairo_pattern_create_radial(x, y, 0, x, y, arm * 0.6),
              {{0, {255, 255, 240}, 1.0}, {0.4, {255, 246, 200}, 0.7}, {1, {255, 240, 180}, 0.0}});
  EllipsePath(cr, x, y, arm * 0.6, arm * 0.6);
  cairo_fill(cr);
  // A four-pointed star.
  cairo_new_path(cr);
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4, d = i % 2 ? arm * 0.16 : arm;
    cairo_line_to(cr, x + std::cos(a) * d, y + std::sin(a) * d);
  }
  cairo_close_path(cr);
  SetColor(cr, {255, 255, 255});
  cairo_fill(cr);
}

}  // namespace

void DrawPineCone(cairo_t* cr, Prng& rng, double base_x, double base_y, double angle, double length,
                  double half_width) {
  cairo_save(cr);
  cairo_translate(cr, base_x, base_y);
  cairo_rotate(cr, angle);
  // How far the local +y side faces up in the picture: light comes from
  // above.
  const double up = -std::cos(angle);
  // The stalk, away from the tip.
  cairo_move_to(cr, 4, -5);
  cairo_curve_to(cr, -4, -5, -10, -4, -16, -6);
  cairo_line_to(cr, -17, 2);
  cairo_curve_to(cr, -10, 4, -4, 5, 4, 5);
  cairo_close_path(cr);
  SetGradient(cr, cairo_pattern_create_linear(0, -7 * up, 0, 7 * up),
              {{0, {150, 104, 30}}, {1, {40, 22, 2}}});
  cairo_fill(cr);
  // The body, black in the gaps between the scales.
  cairo_new_path(cr);
  for (int i = 0; i <= 60; ++i) {
    const double u = static_cast<double>(i) / 60;
    cairo_line_to(cr, u * length, -Profile(u) * half_width * 0.92);
  }
  for (int i = 60; i >= 0; --i) {
    const double u = static_cast<double>(i) / 60;
    cairo_line_to(cr, u * length, Profile(u) * half_width * 0.92);
  }
  cairo_close_path(cr);
  SetColor(cr, {0, 0, 0});
  cairo_fill(cr);

  const int rows = 11, around = 10;
  const double pitch = length / (rows + 0.4);
  for (int k = rows - 1; k >= 0; --k) {
    const double u = (k + 0.75) / (rows + 0.4);
    const double r = Profile(u) * half_width;
    // Scales from the silhouette in to the middle, so that the ones facing
    // the viewer lie on top.
    struct Slot {
      double phi, facing;
    };
    Slot slots[around];
    for (int j = 0; j < around; ++j) {
      const double phi = 2 * kPi * (j + 0.5 * (k % 2)) / around + 0.15;
      slots[j] = {phi, std::cos(phi)};
    }
    std::sort(slots, slots + around, [](const Slot& a, const Slot& b) { return a.facing < b.facing; });
    for (const Slot& s : slots) {
      if (s.facing < -0.15) continue;
      const double side = std::sin(s.phi);
      const double len = pitch * 1.6 * (0.55 + 0.45 * Profile(u + 0.1));
      const double wide = std::max(4.0, 2 * kPi * r / around * (0.3 + 0.75 * std::max(0.0, s.facing)) * 1.1);
      const double x = u * length + pitch * 0.2 * std::max(0.0, s.facing) + rng.Range(-1, 1);
      const double y = r * side + rng.Range(-1, 1);
      // Scales on the flanks fan outwards; near the tip they follow the
      // body's narrowing.
      const double fan = 0.7 * side * (u < 0.5 ? 1.0 : 1.0 - 1.6 * (u - 0.5));
      const double light = std::clamp(0.8 + 0.22 * s.facing + 0.25 * up * side, 0.55, 1.12);
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, fan);
      ScalePath(cr, len, wide);
      SetGradient(cr, cairo_pattern_create_linear(len * 0.48, 0, -len * 0.3, 0),
                  {{0.0, Scaled({255, 244, 176}, light)},
                   {0.1, Scaled({255, 214, 96}, light)},
                   {0.45, Scaled({236, 170, 46}, light)},
                   {0.68, Scaled({150, 92, 14}, light)},
                   {0.84, {30, 14, 0}},
                   {1.0, {0, 0, 0}}});
      cairo_fill_preserve(cr);
      // Glitter on the scale's face.
      cairo_save(cr);
      cairo_clip(cr);
      const int specks = static_cast<int>(len * wide / 20);
      for (int i = 0; i < specks; ++i) {
        const double sx = rng.Range(-len * 0.1, len * 0.45), sy = rng.Range(-wide * 0.45, wide * 0.45);
        const double size = rng.Range(1.0, 2.2);
        const double pick = rng.Unit();
        if (pick < 0.5) SetColor(cr, Scaled({255, 244, 180}, std::min(1.1, light + 0.2)), rng.Range(0.6, 1.0));
        else if (pick < 0.7) SetColor(cr, {255, 255, 255});
        else SetColor(cr, Scaled({150, 96, 14}, light), rng.Range(0.5, 0.9));
        cairo_rectangle(cr, sx - size / 2, sy - size / 2, size, size);
        cairo_fill(cr);
      }
      cairo_restore(cr);
      // The lit rim along the rounded end.
      cairo_new_path(cr);
      cairo_move_to(cr, len * 0.02, -wide * 0.46);
      cairo_curve_to(cr, len * 0.28, -wide * 0.47, len * 0.44, -wide * 0.28, len * 0.44, 0);
      cairo_curve_to(cr, len * 0.44, wide * 0.28, len * 0.28, wide * 0.47, len * 0.02, wide * 0.46);
      SetColor(cr, Mix(Scaled({255, 236, 150}, light), {255, 250, 215}, 0.5), 0.95);
      cairo_set_line_width(cr, std::clamp(wide * 0.09, 1.0, 2.4));
      cairo_stroke(cr);
      cairo_restore(cr);
    }
  }
  // A few bright sparkles where the glitter catches the light.
  for (int i = 0; i < 9; ++i) {
    const double u = rng.Range(0.12, 0.85);
    const double v = rng.Range(-0.7, 0.7) * Profile(u) * half_width;
    Sparkle(cr, u * length, v, rng.Range(6, 11));
  }
  cairo_restore(cr);
}

}  // namespace assets::art
