// The random-number generator behind the reseed and the next random number.
// Its values lie in [0, 1) on every path; tests may put their own in place.
#pragma once

#include <cstdint>
#include <memory>

namespace runtime {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Starts a new sequence from a reading of the system timer.
  virtual void Reseed(std::uint64_t timer) = 0;
  // The next value of the sequence; the runtime's own lies in [0, 1).
  virtual double Next() = 0;
};

// The runtime's own generator: xoshiro256** seeded through splitmix64, each
// value the top 53 bits of one output scaled by 2^-53, so never 1.0.
class DefaultRandom final : public RandomSource {
 public:
  DefaultRandom();
  void Reseed(std::uint64_t timer) override;
  double Next() override;

 private:
  std::uint64_t s_[4];
};

// The generator in use; SetRandomSource(nullptr) restores the runtime's own.
RandomSource& Generator();
void SetRandomSource(std::unique_ptr<RandomSource> source);

// The system timer as the reseed reads it: nanoseconds of the wall clock.
std::uint64_t TimerTicks();

}  // namespace runtime
