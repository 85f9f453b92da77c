#include "common/line_container/line_block_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

#include "common/line_container/byte_predictor.h"
#include "common/line_container/prefix_decoder.h"

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
    SymbolBits() = default;
    SymbolBits(const std::uint8_t* begin, const std::uint8_t* end) : next_(begin), end_(end) {}

    std::uint64_t window() const { return window_; }
    unsigned available() const { return bits_; }

    // At least 56 valid bits afterwards.
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

    // Bits taken since begin, zero bits past the end included.
    std::size_t consumed(const std::uint8_t* begin) const {
        return (static_cast<std::size_t>(next_ - begin) + zeroBytes_) * 8 - bits_;
    }

  private:
    const std::uint8_t* next_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    std::uint64_t window_ = 0;
    unsigned bits_ = 0;
    std::size_t zeroBytes_ = 0;
};

// Decoding one block. The tables live in memory anyway; the running state (bit window, model
// context, output position) is a small value that the decoding loops keep in registers, which
// they could not if it lived beside the tables: every output byte is stored through a byte
// pointer that the compiler must assume may point anywhere it can reach.
//
// Two independent blocks can be decoded side by side: the model and the bit reader each form a
// chain of dependent loads, and two blocks' chains overlap in the processor where one block's
// cannot.
struct BlockTables {
    PrefixDecoder decoder;
    BytePredictor::Table model;
    std::size_t start = 0;                // first byte of the coded symbols
    const std::uint8_t* begin = nullptr;  // the same as a pointer
    std::uint8_t* outEnd = nullptr;       // after the last of the rawLength bytes
    std::size_t size = 0;
};

struct BlockState {
    SymbolBits bits;
    std::uint32_t context = 0;
    std::uint8_t* out = nullptr;  // next output byte
};

enum class Status { Running, Done, Failed };

// Reads the code-length table and prepares decoding. Empty when the table is damaged.
std::optional<BlockState> StartBlock(BlockTables& tables, const std::uint8_t* data,
                                     std::size_t size, std::uint8_t* out, std::size_t rawLength) {
    BitReader tableReader(data, size);
    PrefixCode::Lengths lengths;
    if (!LineBlockCodec::ReadLengthTable(tableReader, lengths) || !tables.decoder.Build(lengths)) {
        return std::nullopt;
    }
    tables.start = tableReader.bytePosition();
    tables.size = size;
    tables.model = BytePredictor::Initial();
    BlockState state;
    state.bits = SymbolBits(data + tables.start, data + size);
    tables.begin = data + tables.start;
    state.out = out;
    tables.outEnd = out + rawLength;
    return state;
}

// A literal or a guess, without a branch on which (see BytePredictor::Take).
inline void PlainStep(BlockState& state, BlockTables& tables,
                      const PrefixDecoder::FastEntry& entry) {
    *state.out++ = BytePredictor::Take(tables.model, state.context, entry.literalMask,
                                       entry.guessMask, static_cast<std::uint8_t>(entry.symbol));
    state.bits.Consume(entry.length);
}

inline bool PlainStep(BlockState& state, BlockTables& tables) {
    const PrefixDecoder::FastEntry& entry = tables.decoder.Peek(state.bits.window());
    if (!entry.plain) {
        return false;
    }
    PlainStep(state, tables, entry);
    return true;
}

// A refill leaves at least 56 bits: room for this many codes from the fast table.
constexpr int kFastSteps = 56 / PrefixDecoder::kFastBits;

// kFastSteps literals or guesses (nearly every symbol is one). False when fewer bytes than
// that are left or a symbol needs the general step; some symbols may have been taken by then.
inline bool FastSteps(BlockState& state, BlockTables& tables) {
    state.bits.Refill();
    if (tables.outEnd - state.out < kFastSteps) {
        return false;
    }
    for (int step = 0; step < kFastSteps; ++step) {
        if (!PlainStep(state, tables)) {
            return false;
        }
    }
    return true;
}

// After the end symbol: all bytes produced, zero fill bits, and no data left over.
inline bool FinishBlock(BlockState& state, const BlockTables& tables) {
    if (state.out != tables.outEnd) {
        return false;
    }
    const std::size_t end = tables.start * 8 + state.bits.consumed(tables.begin);
    if (end > tables.size * 8) {
        return false;
    }
    const unsigned fill = static_cast<unsigned>((8 - end % 8) % 8);
    if (fill != 0) {
        if (state.bits.available() < fill) {
            state.bits.Refill();
        }
        if ((state.bits.window() >> (64 - fill)) != 0) {
            return false;
        }
    }
    return end + fill == tables.size * 8;
}

struct StepResult {
    BlockState state;
    Status status;
};

// One symbol of any kind: long codes, the end symbol, unused symbols, and the check against
// producing more than rawLength bytes. Rarely needed, so it works on a copy of the state: a
// state whose address went to a function that is not inlined could not stay in registers.
StepResult GeneralStep(BlockState state, BlockTables& tables) {
    if (state.bits.available() < PrefixCode::kMaxLength) {
        state.bits.Refill();
    }
    unsigned length = 0;
    const int symbol = tables.decoder.Decode(state.bits.window(), length);
    if (symbol < 0) {
        return {state, Status::Failed};
    }
    state.bits.Consume(length);
    if (symbol == PrefixCode::kEndSymbol) {
        return {state, FinishBlock(state, tables) ? Status::Done : Status::Failed};
    }
    if (state.out == tables.outEnd || (symbol >= 256 && symbol != PrefixCode::kPredictedSymbol)) {
        return {state, Status::Failed};
    }
    const bool literal = symbol < 256;
    *state.out++ = BytePredictor::Take(tables.model, state.context, literal ? 0xFFFFu : 0u,
                                       literal ? 0u : 0xFFFFu, static_cast<std::uint8_t>(symbol));
    return {state, Status::Running};
}

// Decodes until the end symbol or a failure.
Status RunBlock(BlockState state, BlockTables& tables) {
    for (;;) {
        if (!FastSteps(state, tables)) {
            const StepResult result = GeneralStep(state, tables);
            if (result.status != Status::Running) {
                return result.status;
            }
            state = result.state;
        }
    }
}

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
                model.Confirm();
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
            model.Confirm();
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
    BlockTables tables;
    const std::optional<BlockState> state = StartBlock(tables, data, size, out, rawLength);
    return state && RunBlock(*state, tables) == Status::Done;
}

void LineBlockCodec::DecodeBlocks(const Job& first, const Job& second, bool& firstDecoded,
                                  bool& secondDecoded) {
    BlockTables tablesA;
    BlockTables tablesB;
    const std::optional<BlockState> startA =
        StartBlock(tablesA, first.data, first.size, first.out, first.rawLength);
    const std::optional<BlockState> startB =
        StartBlock(tablesB, second.data, second.size, second.out, second.rawLength);
    Status statusA = startA ? Status::Running : Status::Failed;
    Status statusB = startB ? Status::Running : Status::Failed;
    BlockState a = startA.value_or(BlockState{});
    BlockState b = startB.value_or(BlockState{});
    while (statusA == Status::Running && statusB == Status::Running) {
        // Steps of the two blocks alternate, so that each block's wait on memory is filled
        // with the other's work.
        a.bits.Refill();
        b.bits.Refill();
        if (tablesA.outEnd - a.out >= kFastSteps && tablesB.outEnd - b.out >= kFastSteps) {
            int steps = 0;
            for (; steps < kFastSteps; ++steps) {
                const PrefixDecoder::FastEntry& entryA = tablesA.decoder.Peek(a.bits.window());
                const PrefixDecoder::FastEntry& entryB = tablesB.decoder.Peek(b.bits.window());
                if (!(entryA.plain && entryB.plain)) {
                    break;
                }
                PlainStep(a, tablesA, entryA);
                PlainStep(b, tablesB, entryB);
            }
            if (steps == kFastSteps) {
                continue;
            }
        }
        StepResult result = GeneralStep(a, tablesA);
        a = result.state;
        statusA = result.status;
        result = GeneralStep(b, tablesB);
        b = result.state;
        statusB = result.status;
    }
    if (statusA == Status::Running) {
        statusA = RunBlock(a, tablesA);
    }
    if (statusB == Status::Running) {
        statusB = RunBlock(b, tablesB);
    }
    firstDecoded = statusA == Status::Done;
    secondDecoded = statusB == Status::Done;
}
