#pragma once

#include <array>
#include <cstdint>

/// Guesses each byte of a block from the bytes just before it. Writer and reader run the same
/// model from the same start, so a byte guessed right costs only the short code of "as
/// guessed". The context mixes the last three bytes: h = (h * 16 + b) mod 4096.
class BytePredictor final {
  public:
    static constexpr std::size_t kTableSize = 4096;

    /// Every context starts by guessing a space, the commonest byte of lesson text.
    BytePredictor() { table_.fill(0x20); }

    std::uint8_t Predicted() const { return table_[context_]; }

    /// Moves on after a byte that was guessed right.
    void Confirm(std::uint8_t b) { context_ = Next(context_, b); }

    /// Moves on after a byte that was not guessed: it becomes the guess for this context.
    void Learn(std::uint8_t b) {
        table_[context_] = b;
        context_ = Next(context_, b);
    }

    static constexpr std::uint32_t Next(std::uint32_t context, std::uint8_t b) {
        return (context * 16 + b) % kTableSize;
    }

  private:
    std::array<std::uint8_t, kTableSize> table_;
    std::uint32_t context_ = 0;
};
