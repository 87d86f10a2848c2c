// The twenty cards as the card tests see them: drawn, stored and decoded,
// and the common card that all of them share.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "card_frame.h"
#include "drawings.h"
#include "gif_reader.h"
#include "stored_pictures.h"

namespace assets_test {

constexpr int kSize = 200;
constexpr std::size_t kPixels = kSize * kSize;
using Colour = std::array<int, 3>;
constexpr Colour kWhite = {255, 255, 255};
constexpr Colour kGreen = {29, 124, 7};

// Everything the tests look at, made once: the rasters, the stored files,
// and the common card: each pixel's colour where all twenty agree, and the
// paper's white where they do not (checked: every such pixel is white on
// some card, so the wishes are all that differ).
struct Cards {
  std::array<assets::Raster, 20> drawn;
  std::array<GifImage, 20> stored;
  std::array<Colour, kPixels> common{};
  std::vector<bool> varies = std::vector<bool>(kPixels, false);  // not the same on all twenty
  std::vector<bool> paper_under_variation = std::vector<bool>(kPixels, true);
  std::array<std::vector<bool>, 20> wish;  // pixels where a card differs from the common card
  CardFrame frame;

  Cards() {
    for (int m = 0; m < 20; ++m) {
      drawn[static_cast<std::size_t>(m)] = assets::DrawCard(m);
      stored[static_cast<std::size_t>(m)] = ReadGif(ReadFile(PicturePath(CardName(m))));
    }
    for (const auto& r : drawn)
      if (r.rgba.size() != kPixels * 4) return;
    for (std::size_t i = 0; i < kPixels; ++i) {
      const Colour first = ColourAt(0, i);
      bool white_somewhere = false;
      for (std::size_t m = 0; m < 20; ++m) {
        const Colour c = ColourAt(m, i);
        varies[i] = varies[i] || c != first || drawn[m].rgba[i * 4 + 3] != drawn[0].rgba[i * 4 + 3];
        white_somewhere = white_somewhere || c == kWhite;
      }
      common[i] = varies[i] ? kWhite : first;
      paper_under_variation[i] = !varies[i] || white_somewhere;
    }
    for (std::size_t m = 0; m < 20; ++m) {
      wish[m].assign(kPixels, false);
      for (std::size_t i = 0; i < kPixels; ++i) wish[m][i] = ColourAt(m, i) != common[i];
    }
  }
  Colour ColourAt(std::size_t m, std::size_t i) const {
    const auto& r = drawn[m].rgba;
    return {r[i * 4], r[i * 4 + 1], r[i * 4 + 2]};
  }
  bool Opaque(std::size_t m, std::size_t i) const { return drawn[m].rgba[i * 4 + 3] >= 128; }
  Colour StoredAt(std::size_t m, std::size_t i) const {
    const auto& e = stored[m].palette[stored[m].indices[i]];
    return {e[0], e[1], e[2]};
  }
};

inline const Cards& All() {
  static const Cards cards;
  return cards;
}

// Share of green in a colour blended between white and the wish green.
inline double GreenShare(const Colour& c) { return (255.0 - c[1]) / (255.0 - kGreen[1]); }

inline int Farthest(const Colour& a, const Colour& b) {
  int d = 0;
  for (std::size_t k = 0; k < 3; ++k) d = std::max(d, std::abs(a[k] - b[k]));
  return d;
}

}  // namespace assets_test
