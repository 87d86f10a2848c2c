// The colours the drawings paint with, mixed and handed to Cairo as a
// plain source or as a gradient; shared by the cards and the decorative
// drawings.
#pragma once

#include <cairo.h>

#include <initializer_list>

namespace assets {

// A colour as a drawing mixes it: red, green and blue from 0 to 255, with
// whatever fractions mixing and scaling leave. (A colour table stores whole
// steps: Rgb in colour.h.)
struct Tone {
  double r = 0, g = 0, b = 0;
};

// A colour between a and b: t = 0 gives a, t = 1 gives b.
Tone Mix(Tone a, Tone b, double t);
// Each part multiplied by f, kept within 0 to 255.
Tone Scaled(Tone c, double f);

void SetColor(cairo_t* cr, Tone c, double alpha = 1.0);

// One colour of a gradient: where along it (0 to 1), which colour and how
// opaque.
struct GradientStop {
  double offset;
  Tone colour;
  double alpha = 1.0;
};

// Gives `gradient`, a linear or radial pattern just created, its stops and
// makes it the source of `cr`, which takes it over: the caller fills or
// paints with it and does not destroy it.
void SetGradient(cairo_t* cr, cairo_pattern_t* gradient, std::initializer_list<GradientStop> stops);

}  // namespace assets
