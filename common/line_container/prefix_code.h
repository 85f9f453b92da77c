#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

/// The canonical prefix code of one block of the line container: which symbols it codes, how
/// our writer chooses the code lengths, and how lengths become codes. The writer's choices are
/// fixed to the last tie so that the same lines always give the same bytes.
class PrefixCode final {
  public:
    static constexpr std::size_t kSymbolCount = 260;
    /// Symbols 0 to 255 are literal bytes; 256 and 257 are never used.
    static constexpr std::uint16_t kEndSymbol = 258;
    static constexpr std::uint16_t kPredictedSymbol = 259;
    /// Longest code a block may declare.
    static constexpr unsigned kMaxLength = 23;
    /// Longest code our writer makes.
    static constexpr unsigned kWriterLimit = 22;

    using Counts = std::array<std::uint64_t, kSymbolCount>;
    using Lengths = std::array<std::uint8_t, kSymbolCount>;
    using Codes = std::array<std::uint32_t, kSymbolCount>;

    /// Code lengths for the symbol counts of a block (0 = no code). The end symbol is always
    /// coded, whatever its count. Huffman's method on a list that starts with the end symbol,
    /// followed by the counted symbols in ascending order, shell-sorted by count; two queues
    /// build the tree and a merged node wins over a leaf of equal weight. While the least
    /// frequent symbol would need more than kWriterLimit bits, the count of the second least
    /// frequent is doubled and the tree rebuilt. Needs at least one counted symbol besides the
    /// end symbol.
    static Lengths LengthsFromCounts(const Counts& counts);

    /// Whether the lengths (each 0 to kMaxLength) fill the code space exactly: the sum of
    /// 2^(30 - length) over the coded symbols is 2^30.
    static bool IsComplete(const Lengths& lengths);

    /// The canonical codes: from the longest length to the shortest, the running code value is
    /// halved, then the symbols of that length get consecutive values in descending symbol
    /// order. Empty when the code space does not come out even.
    static std::optional<Codes> CanonicalCodes(const Lengths& lengths);
};
