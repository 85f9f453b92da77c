#pragma once

#include <array>
#include <cstdint>

#include "common/prefix_code.h"

/// Turns the bits at the front of a block's data back into symbols of its canonical code.
/// Codes of up to 8 bits come straight from a table indexed by the next 8 bits; a longer code
/// of length L is recognised as the first L (from 9 on) for which the next L bits are not below
/// the first code of that length.
class PrefixDecoder final {
  public:
    /// Prepares the tables. False when the lengths do not form a complete prefix code.
    bool Build(const PrefixCode::Lengths& lengths);

    /// The symbol whose code starts at the top of window, which must hold at least
    /// PrefixCode::kMaxLength valid bits, most significant first. Sets length to its code
    /// length. Returns -1 when no code matches (only possible for a table not built).
    int Decode(std::uint64_t window, unsigned& length) const {
        const Entry entry = fast_[window >> (64 - kFastBits)];
        if (entry.length != 0) {
            length = entry.length;
            return entry.symbol;
        }
        return DecodeLong(window, length);
    }

  private:
    static constexpr unsigned kFastBits = 8;

    struct Entry {
        std::uint16_t symbol = 0;
        std::uint8_t length = 0;  // 0: the code is longer than kFastBits
    };

    int DecodeLong(std::uint64_t window, unsigned& length) const;

    std::array<Entry, std::size_t{1} << kFastBits> fast_{};
    // Per length: the first canonical code value, the number of codes and where its symbols
    // start in sorted_, which lists the coded symbols by length descending, symbol descending.
    std::array<std::uint32_t, PrefixCode::kMaxLength + 1> firstCode_{};
    std::array<std::uint16_t, PrefixCode::kMaxLength + 1> count_{};
    std::array<std::uint16_t, PrefixCode::kMaxLength + 1> firstIndex_{};
    std::array<std::uint16_t, PrefixCode::kSymbolCount> sorted_{};
    unsigned maxLength_ = 0;
};
