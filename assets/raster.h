// An 8-bit RGBA raster, not premultiplied, rows from the top: what every
// drawing hands the encoders. A pixel whose alpha is below 128 is outside
// the picture's shape and is stored transparent. Also a rectangle of its
// pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assets {

// Pixels x0..x1 across and y0..y1 down, both ends included; empty where
// x1 < x0.
struct PixelRect {
  int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
};

struct Raster {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes

  Raster() = default;
  Raster(int w, int h)
      : width(w), height(h), rgba(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4, 0) {}

  std::uint8_t* at(int x, int y) {
    return rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
  }
  const std::uint8_t* at(int x, int y) const {
    return rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
  }
  bool opaque(int x, int y) const { return at(x, y)[3] >= 128; }
};

}  // namespace assets
