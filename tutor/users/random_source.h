#pragma once

#include <cstdint>
#include <random>
#include <string_view>

/// Where the written evaluation takes its random grades; tests and the report command use a
/// fixed seed so that the same run always reads the same.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    /// A number from 0 to maxInclusive.
    virtual int Next(int maxInclusive) = 0;
};

/// A seeded Mersenne twister; the same seed gives the same numbers on every platform.
class SeededRandomSource final : public RandomSource {
  public:
    explicit SeededRandomSource(std::uint32_t seed) : engine_(seed) {}
    /// A seed made from bytes (FNV-1a), for a repeatable choice per file.
    static std::uint32_t SeedFrom(std::string_view bytes) {
        std::uint32_t hash = 2166136261u;
        for (unsigned char c : bytes) {
            hash = (hash ^ c) * 16777619u;
        }
        return hash;
    }
    int Next(int maxInclusive) override {
        if (maxInclusive <= 0) {
            return 0;
        }
        return static_cast<int>(engine_() % (static_cast<std::uint32_t>(maxInclusive) + 1u));
    }

  private:
    std::mt19937 engine_;
};
