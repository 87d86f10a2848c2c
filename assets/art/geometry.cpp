// Control frames as dish picture pixels.
#include "geometry.h"

#include <algorithm>

#include "form1_design.h"

namespace assets::art {

PixelRect UnderControl(std::string_view name, std::optional<std::int16_t> index) {
  const tarvel::Design& design = tarvel::Form1Design();
  const runtime::Extent dish = tarvel::Placed(design, "Image1");
  const runtime::Extent frame = tarvel::Placed(design, name, index);
  // Twips from the dish frame's edge to picture pixels, down or up.
  auto lo = [](long twips, long pixels, long span) { return static_cast<int>(twips * pixels / span); };
  auto hi = [](long twips, long pixels, long span) {
    return static_cast<int>((twips * pixels + span - 1) / span) - 1;
  };
  const long left = frame.left - dish.left, top = frame.top - dish.top;
  return {std::max(0, lo(left, kDishWidth, dish.width)), std::max(0, lo(top, kDishHeight, dish.height)),
          std::min(kDishWidth - 1, hi(left + frame.width, kDishWidth, dish.width)),
          std::min(kDishHeight - 1, hi(top + frame.height, kDishHeight, dish.height))};
}

}  // namespace assets::art
