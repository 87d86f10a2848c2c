// Stand-in drawings: flat shapes of the right sizes, until the art lands.
#include "drawings.h"

namespace assets {

namespace {

Raster Filled(int w, int h, int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  Raster out(w, h);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      std::uint8_t* p = out.at(x, y);
      p[0] = r; p[1] = g; p[2] = b; p[3] = 255;
    }
  return out;
}

}  // namespace

Raster DrawGreeting() { return Filled(1600, 1043, 0, 0, 1599, 1042, 19, 87, 158); }
Raster DrawTree() { return Filled(1000, 1325, 26, 44, 984, 1296, 30, 110, 40); }
Raster DrawPastry() { return Filled(1000, 700, 7, 115, 999, 671, 200, 140, 60); }

}  // namespace assets
