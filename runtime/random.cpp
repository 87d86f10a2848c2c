// The runtime's generator and the seat for a replacement.
#include "random.h"

#include <chrono>

namespace runtime {

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::unique_ptr<RandomSource>& Slot() {
  static std::unique_ptr<RandomSource> source = std::make_unique<DefaultRandom>();
  return source;
}

}  // namespace

DefaultRandom::DefaultRandom() { Reseed(0); }

void DefaultRandom::Reseed(std::uint64_t timer) {
  for (auto& word : s_) word = SplitMix(timer);
}

double DefaultRandom::Next() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return static_cast<double>(result >> 11) * 0x1.0p-53;
}

RandomSource& Generator() { return *Slot(); }

void SetRandomSource(std::unique_ptr<RandomSource> source) {
  Slot() = source ? std::move(source) : std::make_unique<DefaultRandom>();
}

std::uint64_t TimerTicks() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

}  // namespace runtime
