// Bridges between Cairo image surfaces and rasters: reading a drawn
// surface out as a raster, and writing a raster as a PNG preview.
#pragma once

#include <cairo.h>

#include <string>

#include "raster.h"

namespace assets {

// Reads an ARGB32 surface, undoing Cairo's premultiplied alpha.
Raster FromSurface(cairo_surface_t* surface);

// Writes `raster` as a PNG file; returns false when Cairo cannot write it.
bool WritePng(const Raster& raster, const std::string& path);

}  // namespace assets
