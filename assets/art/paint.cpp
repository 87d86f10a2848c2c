// Painting helpers: ellipses, shaded spheres, glitter.
#include "paint.h"

#include <cmath>

namespace assets::art {

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void Sphere(cairo_t* cr, double cx, double cy, double r, Tone base, Prng& rng, int sparkle) {
  EllipsePath(cr, cx, cy, r, r);
  SetGradient(cr, cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r),
              {{0.0, Mix(base, {255, 255, 240}, 0.55)},
               {0.35, base},
               {0.8, Scaled(base, 0.55)},
               {1.0, Scaled(base, 0.25)}});
  cairo_fill(cr);
  if (sparkle > 0) {
    cairo_save(cr);
    EllipsePath(cr, cx, cy, r * 0.96, r * 0.96);
    cairo_clip(cr);
    Glitter(cr, rng, cx, cy, r, r, sparkle, Mix(base, {255, 255, 255}, 0.6), Scaled(base, 0.4),
            r * 0.018 + 0.9);
    cairo_restore(cr);
  }
  // Reflected light along the lower right rim.
  EllipsePath(cr, cx, cy, r, r);
  SetGradient(cr, cairo_pattern_create_radial(cx + r * 0.45, cy + r * 0.5, 0, cx + r * 0.45, cy + r * 0.5, r * 0.5),
              {{0.0, Mix(base, {255, 255, 255}, 0.3), 0.45}, {1.0, base, 0.0}});
  cairo_fill(cr);
  // Soft highlight and a white glint.
  EllipsePath(cr, cx, cy, r, r);
  SetGradient(cr, cairo_pattern_create_radial(cx - r * 0.38, cy - r * 0.42, 0, cx - r * 0.38, cy - r * 0.42, r * 0.45),
              {{0.0, {255, 255, 255}, 0.85}, {1.0, {255, 255, 255}, 0.0}});
  cairo_fill(cr);
  EllipsePath(cr, cx - r * 0.36, cy - r * 0.42, r * 0.14, r * 0.09, -0.6);
  SetColor(cr, {255, 255, 255});
  cairo_fill(cr);
}

void Glitter(cairo_t* cr, Prng& rng, double cx, double cy, double rx, double ry, int count, Tone light,
             Tone dark, double size) {
  for (int i = 0; i < count; ++i) {
    const double a = rng.Range(0, 2 * kPi);
    const double d = std::sqrt(rng.Unit());
    const double x = cx + std::cos(a) * d * rx;
    const double y = cy + std::sin(a) * d * ry;
    const double s = size * rng.Range(0.5, 1.5);
    const double pick = rng.Unit();
    if (pick < 0.5) {
      SetColor(cr, light, rng.Range(0.6, 1.0));
    } else if (pick < 0.62) {
      SetColor(cr, {255, 255, 255}, 1.0);
    } else {
      SetColor(cr, dark, rng.Range(0.5, 0.9));
    }
    cairo_rectangle(cr, x - s / 2, y - s / 2, s, s);
    cairo_fill(cr);
  }
}

}  // namespace assets::art
