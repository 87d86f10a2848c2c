// The colour quantiser: turns an RGBA raster into 256 palette entries and
// one index per pixel, the form the GIF writer stores.
//
// Three entries are fixed: 0 is black, 1 is opaque white and 255 is white
// and transparent. Pixels whose alpha is below 128 get entry 255; opaque
// pixels that are exactly black get 0 and exactly white get 1. The other
// opaque colours share entries 2 to 254, chosen by median cut on the exact
// histogram of those colours. Afterwards every entry that no pixel uses is
// put to work, so that all 256 entries occur in the picture.
//
// The result depends only on the raster and the options: the same input
// gives the same entries and indices on every run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "colour.h"
#include "raster.h"

namespace assets {

inline constexpr int kBlackEntry = 0;
inline constexpr int kWhiteEntry = 1;
inline constexpr int kTransparentEntry = 255;

struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::array<Rgb, 256> palette{};
  std::vector<std::uint8_t> indices;  // width * height, rows from the top
};

struct QuantiseOptions {
  // Share of the Floyd-Steinberg error passed on, in 1/16ths of the full
  // amount (0 = no dithering, 16 = full). Only opaque pixels that are not
  // exactly black or white take part.
  int dither_sixteenths = 0;
};

struct QuantiseError {
  std::string message;
};

// Quantises `raster`. Fails when the raster is empty, has no transparent
// pixel (entry 255 could not occur) or has fewer than 255 opaque pixels
// (entries 0 to 254 could not all occur).
//
// Where the picture holds no exactly black pixel, its darkest opaque pixel
// is coded 0; where it holds no exactly white pixel, its lightest opaque
// pixel is coded 1. Real drawings carry both and never reach this.
std::variant<IndexedPicture, QuantiseError> Quantise(const Raster& raster,
                                                     const QuantiseOptions& options = {});

}  // namespace assets
