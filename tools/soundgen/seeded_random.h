#pragma once

#include <cstdint>

/// A small fixed generator (SplitMix64) so that every build synthesises the same noise: the
/// standard library's distributions are not the same on every platform.
class SeededRandom final {
  public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    /// Uniform in [-1, 1).
    double Bipolar() {
        return static_cast<double>(Next() >> 11) * (2.0 / 9007199254740992.0) - 1.0;
    }

  private:
    std::uint64_t state_;
};
