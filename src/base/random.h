// The game's one pseudo-random generator: a 32-bit linear congruential
// generator, so that a seed and the key events reproduce a whole run.
#pragma once
#include <cstdint>

class TRandom {
 public:
  void Seed(uint32_t seed) { state_ = seed; }
  uint32_t State() const { return state_; }
  // Uniform integer 0..n-1 (0 when n <= 0).
  int Random(int n) {
    Step();
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<uint64_t>(state_) * static_cast<uint32_t>(n)) >> 32);
  }
  // Uniform real in [0, 1).
  double RandomReal() {
    Step();
    return state_ / 4294967296.0;
  }

 private:
  void Step() { state_ = state_ * 134775813u + 1u; }
  uint32_t state_ = 0;
};
