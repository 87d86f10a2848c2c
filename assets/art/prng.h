// A small seeded pseudo-random generator (splitmix64), so that glitter and
// scattered strokes land on the same pixels on every run.
#pragma once

#include <cstdint>

namespace assets::art {

class Prng {
 public:
  explicit Prng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // Uniform in [lo, hi).
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

 private:
  std::uint64_t state_;
};

}  // namespace assets::art
