// The drawing surface's ownership; its pixels are read out by FromSurface.
#include "canvas.h"

#include <stdexcept>

#include "cairo_raster.h"

namespace assets::art {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
    throw std::runtime_error("cannot create a drawing surface");
  }
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Raster Canvas::ToRaster(bool binary_alpha) const { return FromSurface(surface_, binary_alpha); }

}  // namespace assets::art
