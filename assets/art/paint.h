// Small painting helpers shared by the decorative drawings: ellipses,
// shaded spheres and glitter.
#pragma once

#include <cairo.h>

#include <numbers>

#include "cairo_paint.h"
#include "prng.h"

namespace assets::art {

inline constexpr double kPi = std::numbers::pi;

// An ellipse path about (cx, cy), optionally turned by angle (radians).
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0.0);

// A shiny ball lit from the upper left: base colour, darker rim, a soft
// highlight and a white glint; with glitter specks when sparkle > 0.
void Sphere(cairo_t* cr, double cx, double cy, double r, Tone base, Prng& rng, int sparkle);

// Scattered sparkle specks inside an ellipse, each a light or dark dot.
void Glitter(cairo_t* cr, Prng& rng, double cx, double cy, double rx, double ry, int count, Tone light,
             Tone dark, double size);

}  // namespace assets::art
