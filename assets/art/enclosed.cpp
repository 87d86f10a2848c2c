// Flood fill from the border over the transparent pixels.
#include "enclosed.h"

#include <cstddef>
#include <vector>

namespace assets::art {

void FillEnclosed(Raster& raster, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const int w = raster.width, h = raster.height;
  const auto index = [w](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x); };
  std::vector<char> outside(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  std::vector<std::size_t> stack;
  auto push = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    if (outside[index(x, y)] || raster.opaque(x, y)) return;
    outside[index(x, y)] = 1;
    stack.push_back(index(x, y));
  };
  for (int x = 0; x < w; ++x) { push(x, 0); push(x, h - 1); }
  for (int y = 0; y < h; ++y) { push(0, y); push(w - 1, y); }
  while (!stack.empty()) {
    const std::size_t i = stack.back();
    stack.pop_back();
    const int x = static_cast<int>(i % static_cast<std::size_t>(w)), y = static_cast<int>(i / static_cast<std::size_t>(w));
    push(x + 1, y); push(x - 1, y); push(x, y + 1); push(x, y - 1);
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (!raster.opaque(x, y) && !outside[index(x, y)]) {
        std::uint8_t* p = raster.at(x, y);
        p[0] = r; p[1] = g; p[2] = b; p[3] = 255;
      }
}

}  // namespace assets::art
