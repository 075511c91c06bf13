// Reproducible Gaussian noise: the noise command's random generator, seeded with the
// same constant at every use, and the standard normal deviates drawn from it.
#pragma once

#include <cstdint>

namespace oskava {

/// Linear congruential generator of integers 0..32767.
class NoiseRandom {
  public:
    void seed(uint32_t value) { state_ = value; }
    /// state = state * 214013 + 2531011 (mod 2^32); returns bits 16..30 of the state.
    int32_t next();

  private:
    uint32_t state_ = 0;
};

/// Standard normal deviates by the polar method: each accepted pair gives two, the
/// second kept for the next call. The cache is not reset by seeding, so it carries
/// from one use of the noise command to the next within a process; saving and
/// restoring the whole object restores the sequence.
class GaussianDeviates {
  public:
    NoiseRandom random;
    bool needNewPair = true;
    double cached = 0;  // the second deviate of the last pair, while needNewPair is false

    /// The next standard normal deviate.
    double next();
};

}  // namespace oskava
