// The colours the drawings paint with, mixed and handed to Cairo as
// sources and gradient stops; shared by the cards and the decorative
// drawings.
#pragma once

#include <cairo.h>

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
void AddStop(cairo_pattern_t* p, double offset, Tone c, double alpha = 1.0);

}  // namespace assets
