#pragma once

// Helpers for the tests of the line container: a bit string, block headers, random lines, and
// a second encoder written independently of ours from the format rules alone, with its own
// (valid) choices of code, table items, prediction use and block sizes.

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace line_file_testing {

using Lengths = std::array<std::uint8_t, 260>;

/// Bits most significant first; deliberately not the production writer.
class BitString {
  public:
    void Append(std::uint32_t value, unsigned count);
    /// Fills up to the next byte boundary with the given bit.
    void Pad(bool bit = false);
    std::size_t size() const { return bits_.size(); }
    /// The bits as bytes; a last partial byte is filled with zeros.
    std::string Bytes() const;

  private:
    std::vector<bool> bits_;
};

/// Header (raw and packed length, little-endian) followed by data; packed defaults to the
/// data size.
std::string StoredBlock(std::uint32_t rawLength, std::string_view data);
std::string StoredBlock(std::uint32_t rawLength, std::uint32_t packedLength, std::string_view data);

struct BlockInfo {
    std::uint32_t rawLength;
    std::uint32_t packedLength;
    std::size_t offset;  // of the header in the file
};
/// The block headers of a well-formed file.
std::vector<BlockInfo> Blocks(std::string_view file);

std::string JoinWithLineEnds(const std::vector<std::string>& lines);

/// Lines with empty ones, all byte values but CR and LF, and now and then one longer than a
/// block.
std::vector<std::string> RandomLines(std::mt19937& random, std::size_t count);

/// The canonical code of each symbol (value, length), found the textbook way: symbols sorted
/// by length descending then symbol descending, the value shifted right whenever the length
/// drops.
struct Code {
    std::uint32_t value = 0;
    unsigned length = 0;
};
std::array<Code, 260> ReferenceCodes(const Lengths& lengths);

/// How the second encoder writes a block.
struct ReferenceStyle {
    bool codeEverySymbol = false;  // all literals get a code, used or not
    int predictedPercent = 100;    // how often a guessed byte is sent as "as guessed"
    int zeroItemPercent = 0;       // how often an uncoded symbol is written as the item 0
    bool extraZeroDigits = false;  // runs carry superfluous most significant zero digits
};

/// The 5-bit items of a code-length table written per style.
std::vector<std::uint32_t> ReferenceTableItems(const Lengths& lengths, const ReferenceStyle& style,
                                               std::mt19937& random);

/// Compressed data of one block from the second encoder: a balanced complete code (lengths
/// differ by at most one, chosen at random among the symbols) over the symbols it needs.
std::string ReferenceBlockData(std::string_view raw, const ReferenceStyle& style,
                               std::mt19937& random);

/// A whole file from the second encoder, cutting the stream into blocks of random sizes (empty
/// blocks included) up to the block limit.
std::string ReferenceFile(std::string_view stream, std::mt19937& random);

}  // namespace line_file_testing
