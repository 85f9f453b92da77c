#pragma once

#include <array>
#include <cstdint>

/// Guesses each byte of a block from the bytes just before it. Writer and reader run the same
/// model from the same start, so a byte guessed right costs only the short code of "as
/// guessed". The context h mixes the last three bytes: h = (h * 16 + b) mod 4096; each context
/// guesses the byte last seen after it, at first a space.
///
/// Per context the table keeps the context that follows when the guess is right, rather than
/// the guessed byte itself: the byte is recovered as (next - h * 16) mod 256, and the reader's
/// step from one context to the next is then a single load.
class BytePredictor final {
  public:
    static constexpr std::uint32_t kContexts = 4096;

    BytePredictor() : next_(Initial()) {}

    std::uint8_t Predicted() const {
        return static_cast<std::uint8_t>(next_[context_] - (context_ << 4));
    }

    /// Moves on after a byte that was guessed right.
    void Confirm() { context_ = next_[context_]; }

    /// Moves on after a byte that was not guessed: it becomes the guess for this context.
    void Learn(std::uint8_t b) {
        const std::uint32_t next = Next(context_, b);
        next_[context_] = static_cast<std::uint16_t>(next);
        context_ = next;
    }

    using Table = std::array<std::uint16_t, kContexts>;

    /// The reader's inner step, Confirm() or Learn(literal), on a table and context the caller
    /// keeps in local variables (so that the context stays in a register). For a literal
    /// literalMask is 0xFFFF and guessMask 0, for a guessed byte the other way round: both
    /// outcomes are computed and masked together, because a branch on which one it is would be
    /// mispredicted half the time. Returns the byte.
    static std::uint8_t Take(Table& table, std::uint32_t& context, std::uint32_t literalMask,
                             std::uint32_t guessMask, std::uint8_t literal) {
        const std::uint32_t shifted = context << 4;
        const std::uint32_t learned = ((shifted + literal) % kContexts) & literalMask;
        const std::uint32_t next = learned | (table[context] & guessMask);
        table[context] = static_cast<std::uint16_t>(next);
        context = next;
        return static_cast<std::uint8_t>(next - shifted);
    }

    /// The table every block starts from: each context guesses a space.
    static const Table& Initial() {
        static const Table table = [] {
            Table t{};
            for (std::uint32_t h = 0; h < kContexts; ++h) {
                t[h] = static_cast<std::uint16_t>(Next(h, 0x20));
            }
            return t;
        }();
        return table;
    }

    static constexpr std::uint32_t Next(std::uint32_t context, std::uint8_t b) {
        return (context * 16 + b) % kContexts;
    }

  private:
    Table next_;
    std::uint32_t context_ = 0;
};
