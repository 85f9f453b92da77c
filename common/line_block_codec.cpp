#include "common/line_block_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "common/byte_predictor.h"
#include "common/prefix_decoder.h"

namespace {

constexpr unsigned kItemBits = 5;
constexpr std::uint32_t kFirstRunDigit = 24;
// Run digits beyond this weight can only overshoot the table; capping the weight keeps a long
// chain of zero digits from overflowing it.
constexpr std::uint64_t kRunWeightCap = std::uint64_t{1} << 20;

std::uint64_t LoadBigEndian64(const std::uint8_t* p) {
    std::uint64_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::little) {
        value = __builtin_bswap64(value);
    }
    return value;
}

// Bits of the coded symbols, most significant first, in a 64-bit window. Past the end of the
// data the window fills with zero bits, which are counted so that the reader can tell
// afterwards whether the end symbol lay within the data.
class SymbolBits {
  public:
    SymbolBits(const std::uint8_t* begin, const std::uint8_t* end)
        : begin_(begin), next_(begin), end_(end) {}

    std::uint64_t window() const { return window_; }
    unsigned available() const { return bits_; }

    void Refill() {
        if (end_ - next_ >= 8) {
            // Loads whole bytes below the valid bits; the partly loaded byte after them is
            // loaded again, into the same place, by the next refill.
            window_ |= LoadBigEndian64(next_) >> bits_;
            next_ += (63 - bits_) >> 3;
            bits_ |= 56;
            return;
        }
        while (bits_ <= 56) {
            std::uint64_t byte = 0;
            if (next_ < end_) {
                byte = *next_++;
            } else {
                ++zeroBytes_;
            }
            window_ |= byte << (56 - bits_);
            bits_ += 8;
        }
    }

    void Consume(unsigned count) {
        window_ <<= count;
        bits_ -= count;
    }

    /// Bits taken so far, zero bits past the end included.
    std::size_t consumed() const {
        return (static_cast<std::size_t>(next_ - begin_) + zeroBytes_) * 8 - bits_;
    }

  private:
    const std::uint8_t* begin_;
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    std::uint64_t window_ = 0;
    unsigned bits_ = 0;
    std::size_t zeroBytes_ = 0;
};

}  // namespace

std::size_t LineBlockCodec::OutputCapacity(std::size_t rawLength) {
    return std::clamp<std::size_t>(2 * rawLength, 4096, kMaxLength);
}

void LineBlockCodec::AppendLength(std::uint32_t value, std::string& out) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void LineBlockCodec::WriteLengthTable(const PrefixCode::Lengths& lengths, BitWriter& writer) {
    constexpr std::size_t kLast = PrefixCode::kSymbolCount - 1;
    std::size_t s = 0;
    while (s < PrefixCode::kSymbolCount) {
        if (lengths[s] != 0 || s == kLast) {
            writer.Put(lengths[s], kItemBits);
            ++s;
            continue;
        }
        const std::size_t start = s;
        while (s < kLast && lengths[s] == 0) {
            ++s;
        }
        std::size_t run = s - start;
        do {
            writer.Put(kFirstRunDigit + static_cast<std::uint32_t>(run % 8), kItemBits);
            run /= 8;
        } while (run != 0);
    }
}

bool LineBlockCodec::ReadLengthTable(BitReader& reader, PrefixCode::Lengths& lengths) {
    lengths.fill(0);
    std::size_t symbol = 0;
    std::uint64_t runWeight = 0;  // 0 while no run is open
    while (symbol < PrefixCode::kSymbolCount) {
        std::uint32_t item;
        if (!reader.Read(kItemBits, item)) {
            return false;
        }
        if (item < kFirstRunDigit) {
            lengths[symbol++] = static_cast<std::uint8_t>(item);
            runWeight = 0;
            continue;
        }
        if (runWeight == 0) {
            runWeight = 1;
        }
        const std::uint64_t added = (item - kFirstRunDigit) * runWeight;
        if (added > PrefixCode::kSymbolCount - symbol) {
            return false;
        }
        symbol += added;
        runWeight = std::min(runWeight * 8, kRunWeightCap);
    }
    return true;
}

bool LineBlockCodec::EncodeBlock(std::string_view raw, std::string& out) {
    PrefixCode::Counts counts{};
    std::uint64_t predictions = 0;
    {
        BytePredictor model;
        for (char c : raw) {
            const auto b = static_cast<std::uint8_t>(c);
            if (b == model.Predicted()) {
                ++predictions;
                model.Confirm(b);
            } else {
                ++counts[b];
                model.Learn(b);
            }
        }
    }
    counts[PrefixCode::kPredictedSymbol] = predictions + 1;
    counts[PrefixCode::kEndSymbol] = 0;

    const PrefixCode::Lengths lengths = PrefixCode::LengthsFromCounts(counts);
    const auto codes = PrefixCode::CanonicalCodes(lengths);
    if (!codes) {
        return false;
    }

    BitWriter writer(OutputCapacity(raw.size()));
    WriteLengthTable(lengths, writer);
    writer.PadToByte();
    BytePredictor model;
    for (char c : raw) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b == model.Predicted()) {
            writer.Put((*codes)[PrefixCode::kPredictedSymbol],
                       lengths[PrefixCode::kPredictedSymbol]);
            model.Confirm(b);
        } else {
            writer.Put((*codes)[b], lengths[b]);
            model.Learn(b);
        }
    }
    writer.Put((*codes)[PrefixCode::kEndSymbol], lengths[PrefixCode::kEndSymbol]);
    writer.PadToByte();
    if (writer.overflowed()) {
        return false;
    }
    AppendLength(static_cast<std::uint32_t>(raw.size()), out);
    AppendLength(static_cast<std::uint32_t>(writer.bytes().size()), out);
    out += writer.bytes();
    return true;
}

bool LineBlockCodec::DecodeBlock(const std::uint8_t* data, std::size_t size, std::uint8_t* out,
                                 std::size_t rawLength) {
    BitReader tableReader(data, size);
    PrefixCode::Lengths lengths;
    if (!ReadLengthTable(tableReader, lengths)) {
        return false;
    }
    PrefixDecoder decoder;
    if (!decoder.Build(lengths)) {
        return false;
    }
    const std::size_t start = tableReader.bytePosition();
    SymbolBits bits(data + start, data + size);

    BytePredictor model;
    std::size_t produced = 0;
    for (;;) {
        if (bits.available() < PrefixCode::kMaxLength) {
            bits.Refill();
        }
        unsigned length = 0;
        const int symbol = decoder.Decode(bits.window(), length);
        if (symbol < 0) {
            return false;
        }
        bits.Consume(length);
        std::uint8_t b;
        if (symbol < 256) {
            if (produced == rawLength) {
                return false;
            }
            b = static_cast<std::uint8_t>(symbol);
            model.Learn(b);
        } else if (symbol == PrefixCode::kPredictedSymbol) {
            if (produced == rawLength) {
                return false;
            }
            b = model.Predicted();
            model.Confirm(b);
        } else if (symbol == PrefixCode::kEndSymbol) {
            break;
        } else {
            return false;
        }
        out[produced++] = b;
    }
    if (produced != rawLength) {
        return false;
    }

    const std::size_t end = start * 8 + bits.consumed();
    if (end > size * 8) {
        return false;
    }
    const unsigned fill = static_cast<unsigned>((8 - end % 8) % 8);
    if (fill != 0) {
        if (bits.available() < fill) {
            bits.Refill();
        }
        if ((bits.window() >> (64 - fill)) != 0) {
            return false;
        }
    }
    return end + fill == size * 8;
}
