// Small painting helpers shared by the drawings: colours, ellipses, shaded
// spheres and glitter.
#pragma once

#include <cairo.h>

#include <numbers>

#include "prng.h"

namespace assets::art {

inline constexpr double kPi = std::numbers::pi;

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0 to 255
};

// A colour between a and b: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Scaled(Rgb c, double f);

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void AddStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);

// An ellipse path about (cx, cy), optionally turned by angle (radians).
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0.0);

// A shiny ball lit from the upper left: base colour, darker rim, a soft
// highlight and a white glint; with glitter specks when sparkle > 0.
void Sphere(cairo_t* cr, double cx, double cy, double r, Rgb base, Prng& rng, int sparkle);

// Scattered sparkle specks inside an ellipse, each a light or dark dot.
void Glitter(cairo_t* cr, Prng& rng, double cx, double cy, double rx, double ry, int count, Rgb light,
             Rgb dark, double size);

}  // namespace assets::art
