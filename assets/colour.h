// An RGB colour as a colour table stores it, a whole step from 0 to 255
// each part, and the small helpers the quantiser's parts share: colours
// packed into one number (0x00RRGGBB) and the squared distance between two.
#pragma once

#include <cstdint>

namespace assets {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

using PackedRgb = std::uint32_t;  // 0x00RRGGBB

// Packs the first three bytes at `p` (red, green, blue).
inline PackedRgb Pack(const std::uint8_t* p) {
  return (PackedRgb{p[0]} << 16) | (PackedRgb{p[1]} << 8) | PackedRgb{p[2]};
}

// Channel 0 is red, 1 green, 2 blue.
inline int Channel(PackedRgb c, int axis) { return static_cast<int>((c >> (16 - 8 * axis)) & 0xFF); }

inline Rgb Unpack(PackedRgb c) {
  return Rgb{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)};
}

inline int Distance(Rgb a, Rgb b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

}  // namespace assets
