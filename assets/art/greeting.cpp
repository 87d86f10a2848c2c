#include "drawings.h"
namespace assets {
Raster DrawGreeting() {
  Raster out(1600, 1043);
  for (int y = 0; y < 1043; ++y) for (int x = 0; x < 1600; ++x) { auto* p = out.at(x, y); p[0] = 19; p[1] = 87; p[2] = 158; p[3] = 255; }
  return out;
}
}  // namespace assets
