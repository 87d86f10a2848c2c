// A Cairo drawing surface of a picture's size and its hand-over to a
// Raster: un-premultiplies Cairo's ARGB32 into straight RGBA.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

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

// Makes every transparent pixel that the border cannot reach through
// transparent pixels opaque in the given colour, so the shape has no hole.
void FillEnclosed(Raster& raster, std::uint8_t r, std::uint8_t g, std::uint8_t b);

// Writes a raster as PNG, optionally scaled to out_w x out_h (for looking
// at a picture at the size the window shows it). Returns false on failure.
bool WritePng(const Raster& raster, const std::string& path, int out_w, int out_h);

}  // namespace assets::art
