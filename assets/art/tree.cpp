#include "drawings.h"
namespace assets {
Raster DrawTree() {
  Raster out(1000, 1325);
  for (int y = 44; y <= 1296; ++y) for (int x = 26; x <= 984; ++x) { auto* p = out.at(x, y); p[0] = 30; p[1] = 110; p[2] = 40; p[3] = 255; }
  return out;
}
}  // namespace assets
