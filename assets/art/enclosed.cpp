// A flood fill from the border over the transparent pixels: what it leaves
// unreached are the holes.
#include "enclosed.h"

#include <vector>

namespace assets::art {

namespace {

// One flag a pixel, rows from the top: 1 where the pixel lies in a hole.
std::vector<char> Holes(const Raster& r) {
  const auto index = [&](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(r.width) + static_cast<std::size_t>(x); };
  std::vector<char> reached(static_cast<std::size_t>(r.width) * static_cast<std::size_t>(r.height), 0);
  std::vector<std::size_t> stack;
  auto push = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= r.width || y >= r.height) return;
    if (reached[index(x, y)] || r.opaque(x, y)) return;
    reached[index(x, y)] = 1;
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
  std::vector<char> holes(reached.size(), 0);
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) holes[index(x, y)] = !r.opaque(x, y) && !reached[index(x, y)];
  return holes;
}

}  // namespace

std::size_t EnclosedHoles(const Raster& raster) {
  std::size_t count = 0;
  for (char hole : Holes(raster)) count += hole ? 1U : 0U;
  return count;
}

void FillEnclosed(Raster& raster, Rgb colour) {
  const std::vector<char> holes = Holes(raster);
  for (std::size_t i = 0; i < holes.size(); ++i) {
    if (!holes[i]) continue;
    std::uint8_t* p = raster.rgba.data() + i * 4;
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
    p[3] = 255;
  }
}

}  // namespace assets::art
