// Measurements of a drawn raster: extents of its opaque pixels, its
// transparent share, opaque coverage of a rectangle and enclosed holes.
// Used by the art tests and the preview tool.
#pragma once

#include <cstddef>
#include <vector>

#include "geometry.h"
#include "raster.h"

namespace assets::art {

struct Extents {
  int x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // inclusive; x1 < x0 when nothing is opaque
};

inline Extents OpaqueExtents(const Raster& r) {
  Extents e{r.width, r.height, -1, -1};
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

// Transparent pixels that cannot be reached from the border through
// transparent pixels (4-connected).
inline std::size_t EnclosedHoles(const Raster& r) {
  const auto index = [&](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(r.width) + static_cast<std::size_t>(x); };
  std::vector<char> seen(static_cast<std::size_t>(r.width) * static_cast<std::size_t>(r.height), 0);
  std::vector<std::size_t> stack;
  auto push = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= r.width || y >= r.height) return;
    if (seen[index(x, y)] || r.opaque(x, y)) return;
    seen[index(x, y)] = 1;
    stack.push_back(index(x, y));
  };
  for (int x = 0; x < r.width; ++x) { push(x, 0); push(x, r.height - 1); }
  for (int y = 0; y < r.height; ++y) { push(0, y); push(r.width - 1, y); }
  while (!stack.empty()) {
    const std::size_t i = stack.back();
    stack.pop_back();
    const int x = static_cast<int>(i % static_cast<std::size_t>(r.width));
    const int y = static_cast<int>(i / static_cast<std::size_t>(r.width));
    push(x + 1, y); push(x - 1, y); push(x, y + 1); push(x, y - 1);
  }
  std::size_t holes = 0;
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x)
      if (!r.opaque(x, y) && !seen[index(x, y)]) ++holes;
  return holes;
}

}  // namespace assets::art
