// A Cairo drawing surface of a picture's size, and the drawn pixels read
// out of it as a raster.
#pragma once

#include <cairo.h>

#include "raster.h"

namespace assets::art {

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The drawn pixels, straight alpha. With binary_alpha every pixel becomes
  // either fully opaque (alpha >= 128) or fully transparent.
  Raster ToRaster(bool binary_alpha) const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace assets::art
