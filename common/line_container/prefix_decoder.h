#pragma once

#include <array>
#include <cstdint>

#include "common/line_container/prefix_code.h"

/// Turns the bits at the front of a block's data back into symbols of its canonical code.
/// Codes of up to 8 bits come straight from a table indexed by the next 8 bits; a longer code
/// of length L is recognised as the first L (from 9 on) for which the next L bits are not below
/// the first code of that length.
class PrefixDecoder final {
  public:
    static constexpr unsigned kFastBits = 8;

    /// What the next kFastBits bits say.
    struct FastEntry {
        std::uint16_t symbol = 0;
        std::uint8_t length = 0;  // 0: the code is longer than kFastBits
        /// A literal or the guessed byte: the common case that needs no further look.
        bool plain = false;
        /// For plain entries, the masks that select a literal (the low byte of symbol) or the
        /// guessed byte (see BytePredictor::Take).
        std::uint16_t literalMask = 0;
        std::uint16_t guessMask = 0;
    };

    static_assert(sizeof(FastEntry) == 8);

    /// Prepares the tables. False when the lengths do not form a complete prefix code.
    bool Build(const PrefixCode::Lengths& lengths);

    const FastEntry& Peek(std::uint64_t window) const { return fast_[window >> (64 - kFastBits)]; }

    /// The symbol whose code starts at the top of window, which must hold at least
    /// PrefixCode::kMaxLength valid bits, most significant first. Sets length to its code
    /// length. Returns -1 when no code matches (only possible for a table not built).
    int Decode(std::uint64_t window, unsigned& length) const {
        const FastEntry& entry = Peek(window);
        if (entry.length != 0) {
            length = entry.length;
            return entry.symbol;
        }
        return DecodeLong(window, length);
    }

  private:
    int DecodeLong(std::uint64_t window, unsigned& length) const;

    std::array<FastEntry, std::size_t{1} << kFastBits> fast_{};
    // Per length: the first canonical code value, the number of codes and where its symbols
    // start in sorted_, which lists the coded symbols by length descending, symbol descending.
    std::array<std::uint32_t, PrefixCode::kMaxLength + 1> firstCode_{};
    std::array<std::uint16_t, PrefixCode::kMaxLength + 1> count_{};
    std::array<std::uint16_t, PrefixCode::kMaxLength + 1> firstIndex_{};
    std::array<std::uint16_t, PrefixCode::kSymbolCount> sorted_{};
    unsigned maxLength_ = 0;
};
