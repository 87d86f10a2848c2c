// Bridges between Cairo image surfaces and rasters: reading a drawn
// surface out as a raster, and writing a raster as a PNG preview.
#pragma once

#include <cairo.h>

#include <string>

#include "raster.h"

namespace assets {

// Reads an ARGB32 surface, undoing Cairo's premultiplied alpha. With
// binary_alpha every pixel comes out either fully opaque (alpha 128 and
// above) or fully transparent.
Raster FromSurface(cairo_surface_t* surface, bool binary_alpha = false);

// Writes `raster` as a PNG file, at its own size or scaled to width x
// height (to look at a picture as the window shows it). Returns false when
// Cairo cannot write it.
bool WritePng(const Raster& raster, const std::string& path);
bool WritePng(const Raster& raster, const std::string& path, int width, int height);

}  // namespace assets
