#include "tools/picturegen/tile_noise.h"

#include <cmath>

namespace {

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

int Wrap(int i, int n) {
    return ((i % n) + n) % n;
}

}  // namespace

TileNoise::TileNoise(std::uint64_t seed, int cells, int octaves)
    : seed_(seed), cells_(cells < 1 ? 1 : cells), octaves_(octaves < 1 ? 1 : octaves) {}

double TileNoise::Lattice(int octave, int x, int y) const {
    const int n = cells_ << octave;
    const std::uint64_t key =
        seed_ * 0x9E3779B97F4A7C15ULL + (static_cast<std::uint64_t>(octave) << 48) +
        (static_cast<std::uint64_t>(Wrap(x, n)) << 24) + static_cast<std::uint64_t>(Wrap(y, n));
    return static_cast<double>(Mix(key) >> 11) * (2.0 / 9007199254740992.0) - 1.0;
}

double TileNoise::Layer(int octave, double u, double v) const {
    const int n = cells_ << octave;
    const double x = u * n;
    const double y = v * n;
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = Fade(x - x0);
    const double fy = Fade(y - y0);
    const double top = Lattice(octave, x0, y0) * (1 - fx) + Lattice(octave, x0 + 1, y0) * fx;
    const double bottom =
        Lattice(octave, x0, y0 + 1) * (1 - fx) + Lattice(octave, x0 + 1, y0 + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

double TileNoise::At(double u, double v) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int o = 0; o < octaves_; ++o) {
        sum += weight * Layer(o, u, v);
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}
