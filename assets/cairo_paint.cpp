// Mixing colours and handing them to Cairo, which takes each part from 0 to 1.
#include "cairo_paint.h"

namespace assets {

Tone Mix(Tone a, Tone b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Tone Scaled(Tone c, double f) {
  auto clamp = [](double v) { return v < 0 ? 0.0 : (v > 255 ? 255.0 : v); };
  return {clamp(c.r * f), clamp(c.g * f), clamp(c.b * f)};
}

void SetColor(cairo_t* cr, Tone c, double alpha) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void SetGradient(cairo_t* cr, cairo_pattern_t* gradient, std::initializer_list<GradientStop> stops) {
  for (const GradientStop& s : stops) {
    const Tone c = s.colour;
    cairo_pattern_add_color_stop_rgba(gradient, s.offset, c.r / 255.0, c.g / 255.0, c.b / 255.0, s.alpha);
  }
  cairo_set_source(cr, gradient);
  cairo_pattern_destroy(gradient);
}

}  // namespace assets
