// Preview tool (not part of the program): writes each drawing as PNG at
// full size and at the size the window shows it, and prints its measures.
#include <chrono>
#include <cstdio>
#include <string>

#include "cairo_raster.h"
#include "drawings.h"
#include "measure.h"

namespace {

void Show(const char* name, assets::Raster (*draw)(), int shown_w, int shown_h, const std::string& dir) {
  const auto start = std::chrono::steady_clock::now();
  const assets::Raster r = draw();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  const assets::PixelRect e = assets::art::OpaqueExtents(r);
  std::printf("%s: %lld ms, opaque %d..%d x %d..%d, transparent %.2f %%, holes %zu\n", name,
              static_cast<long long>(ms), e.x0, e.x1, e.y0, e.y1, 100 * assets::art::TransparentShare(r),
              assets::art::EnclosedHoles(r));
  if (std::string(name) == "pastry") {
    using namespace assets::art;
    std::printf("  slot opaque %.3f %%, under tree %.3f, heading %.3f, button %.3f\n", 100 * OpaqueShare(r, UnderSlot()),
                OpaqueShare(r, UnderTree()), OpaqueShare(r, UnderHeading()), OpaqueShare(r, UnderButton()));
  }
  assets::WritePng(r, dir + "/" + name + ".png", r.width, r.height);
  assets::WritePng(r, dir + "/" + name + "-shown.png", shown_w, shown_h);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : ".";
  const std::string only = argc > 2 ? argv[2] : "";
  if (only.empty() || only == "greeting") Show("greeting", assets::DrawGreeting, 417, 297, dir);
  if (only.empty() || only == "tree") Show("tree", assets::DrawTree, 73, 129, dir);
  if (only.empty() || only == "pastry") Show("pastry", assets::DrawPastry, 377, 361, dir);
  return 0;
}
