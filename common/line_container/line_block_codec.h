#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/line_container/bit_reader.h"
#include "common/line_container/bit_writer.h"
#include "common/line_container/prefix_code.h"

/// One stored block of the line container: a header of the raw and packed lengths (4 bytes
/// each, little-endian) and the compressed data, which starts with the block's own code-length
/// table. Every block is compressed on its own with a fresh prediction model.
class LineBlockCodec final {
  public:
    static constexpr std::size_t kHeaderSize = 8;
    /// Largest raw or packed length of one block.
    static constexpr std::size_t kMaxLength = 131072;

    /// Appends the stored block for raw (at most kMaxLength bytes) to out. False, with out
    /// unchanged, when the compressed data does not fit OutputCapacity().
    static bool EncodeBlock(std::string_view raw, std::string& out);

    /// Decodes the compressed data of one block into out, which holds rawLength bytes. False
    /// when the data is damaged: a table that does not decode or is not a complete code, a code
    /// that matches no symbol or an unused one, more or fewer bytes than rawLength, non-zero
    /// fill bits after the end symbol, or data left over after them.
    static bool DecodeBlock(const std::uint8_t* data, std::size_t size, std::uint8_t* out,
                            std::size_t rawLength);

    /// One block to decode: its compressed data and room for its rawLength bytes.
    struct Job {
        const std::uint8_t* data = nullptr;
        std::size_t size = 0;
        std::uint8_t* out = nullptr;
        std::size_t rawLength = 0;
    };
    /// DecodeBlock() for two blocks at once, which is faster than one after the other: the
    /// work of one block waits on memory where the other's can go on.
    static void DecodeBlocks(const Job& first, const Job& second, bool& firstDecoded,
                             bool& secondDecoded);

    /// Room for the compressed data of a block: twice its raw length, at least 4096 and at
    /// most kMaxLength bytes.
    static std::size_t OutputCapacity(std::size_t rawLength);

    /// The code-length table: 5-bit items over the symbols in ascending order; 0 to 23 is the
    /// length of the next symbol, 24 to 31 a base-8 digit (least significant first) of a run of
    /// symbols without a code. Runs stop before the last symbol.
    static void WriteLengthTable(const PrefixCode::Lengths& lengths, BitWriter& writer);
    /// False when the items run past the data or a run overshoots the last symbol.
    static bool ReadLengthTable(BitReader& reader, PrefixCode::Lengths& lengths);

    static std::uint32_t ReadLength(const std::uint8_t* bytes) {
        return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
               std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    }
    static void AppendLength(std::uint32_t value, std::string& out);
};
