#pragma once

#include <cstdint>

/// Smooth value noise that repeats with a period of 1 in both directions, so a tile filled
/// with it joins its neighbours without a seam. Fixed seeds make it the same on every build.
class TileNoise final {
  public:
    /// `cells`: lattice cells per period (the coarsest detail); `octaves`: how many finer
    /// layers (each with twice the cells and half the weight) are added.
    TileNoise(std::uint64_t seed, int cells, int octaves);

    /// A value in about [-1, 1] at (u, v), where one period spans 1.
    double At(double u, double v) const;

  private:
    double Lattice(int octave, int x, int y) const;
    double Layer(int octave, double u, double v) const;

    std::uint64_t seed_;
    int cells_;
    int octaves_;
};
