// Measurements of a drawn raster: extents of its opaque pixels, its
// transparent share and opaque coverage of a rectangle; with enclosed.h,
// its holes. Used by the art tests and the preview tool.
#pragma once

#include <cstddef>

#include "enclosed.h"
#include "geometry.h"
#include "raster.h"

namespace assets::art {

// The smallest rectangle that holds every opaque pixel; empty when none is.
inline PixelRect OpaqueExtents(const Raster& r) {
  PixelRect e{r.width, r.height, -1, -1};
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x)
      if (r.opaque(x, y)) {
        if (x < e.x0) e.x0 = x;
        if (x > e.x1) e.x1 = x;
        if (y < e.y0) e.y0 = y;
        if (y > e.y1) e.y1 = y;
      }
  return e;
}

inline double TransparentShare(const Raster& r) {
  std::size_t clear = 0;
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) clear += r.opaque(x, y) ? 0U : 1U;
  return static_cast<double>(clear) / (static_cast<double>(r.width) * r.height);
}

inline double OpaqueShare(const Raster& r, PixelRect rect) {
  std::size_t solid = 0, all = 0;
  for (int y = rect.y0; y <= rect.y1; ++y)
    for (int x = rect.x0; x <= rect.x1; ++x) {
      ++all;
      solid += r.opaque(x, y) ? 1U : 0U;
    }
  return all == 0 ? 0.0 : static_cast<double>(solid) / static_cast<double>(all);
}

}  // namespace assets::art
