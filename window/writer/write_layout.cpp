// Build-time tool: writes where Form1's design lays out the client area and
// the controls that the smoke run looks at, in pixels at 96 dots per inch,
// as shell assignments of WxH+X+Y (the client area: WxH):
//   client=841x393
//   slot=193x177+80+120
//   ...
//   tarvel_layout_writer OUTPUT_FILE
#include <cstdio>
#include <exception>
#include <fstream>
#include <optional>
#include <string>

#include "form1_design.h"
#include "window_model.h"

namespace {

constexpr double kTwipsPerPixel = 15.0;  // 96 dots per inch

std::string Box(const runtime::Extent& twips) {
  const runtime::PixelRect r = runtime::ToPixels(twips, kTwipsPerPixel);
  return std::to_string(r.width) + "x" + std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
         std::to_string(r.y);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
    return 2;
  }
  try {
    const tarvel::Design& design = tarvel::Form1Design();
    const runtime::PixelRect client = runtime::ToPixels(tarvel::ClientArea(design), kTwipsPerPixel);
    std::ofstream out(argv[1]);
    out << "# Form1's layout in pixels at 96 dots per inch, written from its design.\n"
        << "client=" << client.width << "x" << client.height << "\n"
        << "button=" << Box(tarvel::Placed(design, "Command1")) << "\n"
        << "heading=" << Box(tarvel::Placed(design, "Label1")) << "\n"
        << "tree=" << Box(tarvel::Placed(design, "Image3")) << "\n"
        << "pastry=" << Box(tarvel::Placed(design, "Image1")) << "\n"
        << "greeting=" << Box(tarvel::Placed(design, "Image4")) << "\n"
        << "slot=" << Box(tarvel::Placed(design, "Image2", 20)) << "\n";
    if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
  }
  return 0;
}
