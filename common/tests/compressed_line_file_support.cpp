#include "common/tests/compressed_line_file_support.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace line_file_testing {

void BitString::Append(std::uint32_t value, unsigned count) {
    for (unsigned i = count; i-- > 0;) {
        bits_.push_back(((value >> i) & 1u) != 0);
    }
}

void BitString::Pad(bool bit) {
    while (bits_.size() % 8 != 0) {
        bits_.push_back(bit);
    }
}

std::string BitString::Bytes() const {
    std::string bytes((bits_.size() + 7) / 8, '\0');
    for (std::size_t i = 0; i < bits_.size(); ++i) {
        if (bits_[i]) {
            bytes[i / 8] =
                static_cast<char>(static_cast<unsigned char>(bytes[i / 8]) | (0x80u >> (i % 8)));
        }
    }
    return bytes;
}

namespace {

void AppendLittleEndian(std::uint32_t value, std::string& out) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i)));
    }
}

std::uint32_t LittleEndianAt(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

}  // namespace

std::string StoredBlock(std::uint32_t rawLength, std::string_view data) {
    return StoredBlock(rawLength, static_cast<std::uint32_t>(data.size()), data);
}

std::string StoredBlock(std::uint32_t rawLength, std::uint32_t packedLength,
                        std::string_view data) {
    std::string out;
    AppendLittleEndian(rawLength, out);
    AppendLittleEndian(packedLength, out);
    out += data;
    return out;
}

std::vector<BlockInfo> Blocks(std::string_view file) {
    std::vector<BlockInfo> blocks;
    std::size_t offset = 0;
    while (offset < file.size()) {
        if (file.size() - offset < 8) {
            throw std::runtime_error("short block header");
        }
        BlockInfo info{LittleEndianAt(file, offset), LittleEndianAt(file, offset + 4), offset};
        blocks.push_back(info);
        offset += 8 + info.packedLength;
    }
    if (offset != file.size()) {
        throw std::runtime_error("block runs past the end");
    }
    return blocks;
}

std::string JoinWithLineEnds(const std::vector<std::string>& lines) {
    std::string stream;
    for (const std::string& line : lines) {
        stream += line;
        stream += "\r\n";
    }
    return stream;
}

std::vector<std::string> RandomLines(std::mt19937& random, std::size_t count) {
    static constexpr std::string_view kWords[] = {"the",  "quick", "brown", "fox",  "jumps",
                                                  "over", "lazy",  "dog",   "asdf", "jkl;"};
    std::vector<std::string> lines;
    std::uniform_int_distribution<int> kind(0, 9);
    for (std::size_t i = 0; i < count; ++i) {
        std::string line;
        const int k = kind(random);
        if (k == 0) {
            // empty line
        } else if (k <= 5) {
            const std::size_t words = random() % 12;
            for (std::size_t w = 0; w < words; ++w) {
                line += kWords[random() % std::size(kWords)];
                line += ' ';
            }
        } else {
            const std::size_t length = k == 9 ? 4000 + random() % 6000 : random() % 200;
            for (std::size_t j = 0; j < length; ++j) {
                char c;
                do {
                    c = static_cast<char>(random() % 256);
                } while (c == '\r' || c == '\n');
                line += c;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::array<Code, 260> ReferenceCodes(const Lengths& lengths) {
    std::vector<int> order;
    for (int s = 0; s < 260; ++s) {
        if (lengths[s] != 0) {
            order.push_back(s);
        }
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        if (lengths[a] != lengths[b]) {
            return lengths[a] > lengths[b];
        }
        return a > b;
    });
    std::array<Code, 260> codes{};
    std::uint32_t next = 0;
    unsigned previous = order.empty() ? 0 : lengths[order.front()];
    for (int s : order) {
        next >>= previous - lengths[s];
        previous = lengths[s];
        codes[s] = Code{next++, lengths[s]};
    }
    return codes;
}

std::vector<std::uint32_t> ReferenceTableItems(const Lengths& lengths, const ReferenceStyle& style,
                                               std::mt19937& random) {
    std::vector<std::uint32_t> items;
    int s = 0;
    while (s < 260) {
        if (lengths[s] != 0) {
            items.push_back(lengths[s]);
            ++s;
            continue;
        }
        if (static_cast<int>(random() % 100) < style.zeroItemPercent) {
            items.push_back(0);
            ++s;
            continue;
        }
        int run = 0;
        while (s + run < 260 && lengths[s + run] == 0) {
            ++run;
        }
        s += run;
        int rest = run;
        do {
            items.push_back(24 + rest % 8);
            rest /= 8;
        } while (rest != 0);
        // Zero digits after the last one add nothing, but the reader stops as soon as the
        // table is full, so they may not follow a run that fills it.
        if (style.extraZeroDigits && s < 260) {
            for (unsigned extra = random() % 3; extra > 0; --extra) {
                items.push_back(24);
            }
        }
    }
    return items;
}

std::string ReferenceBlockData(std::string_view raw, const ReferenceStyle& style,
                               std::mt19937& random) {
    // First decide which symbols are sent, with the same prediction rule as the reader.
    std::array<std::uint8_t, 4096> guess;
    guess.fill(' ');
    unsigned context = 0;
    std::vector<int> sent;
    sent.reserve(raw.size() + 1);
    for (char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        const bool guessed = guess[context] == b;
        if (guessed && static_cast<int>(random() % 100) < style.predictedPercent) {
            sent.push_back(259);
        } else {
            sent.push_back(b);
            guess[context] = b;
        }
        context = (context * 16 + b) % 4096;
    }
    sent.push_back(258);

    std::array<bool, 260> used{};
    for (int s : sent) {
        used[s] = true;
    }
    std::vector<int> symbols;
    for (int s = 0; s < 260; ++s) {
        const bool literal = s < 256;
        if (used[s] || s == 258 || (style.codeEverySymbol && (literal || s == 259))) {
            symbols.push_back(s);
        }
    }
    if (symbols.size() == 1) {
        symbols.push_back(259);  // a complete code needs two symbols at least
    }
    // Balanced complete code: with n symbols and 2^d >= n > 2^(d-1), 2^d - n of them get d - 1
    // bits and the others d bits.
    const std::size_t n = symbols.size();
    unsigned depth = 0;
    while ((std::size_t{1} << depth) < n) {
        ++depth;
    }
    const std::size_t shorter = (std::size_t{1} << depth) - n;
    std::shuffle(symbols.begin(), symbols.end(), random);
    Lengths lengths{};
    for (std::size_t i = 0; i < n; ++i) {
        lengths[symbols[i]] = static_cast<std::uint8_t>(i < shorter ? depth - 1 : depth);
    }

    BitString bits;
    for (std::uint32_t item : ReferenceTableItems(lengths, style, random)) {
        bits.Append(item, 5);
    }
    bits.Pad();
    const std::array<Code, 260> codes = ReferenceCodes(lengths);
    for (int s : sent) {
        bits.Append(codes[s].value, codes[s].length);
    }
    bits.Pad();
    return bits.Bytes();
}

std::string ReferenceFile(std::string_view stream, std::mt19937& random) {
    std::string file;
    std::uniform_int_distribution<int> styleKind(0, 3);
    while (!stream.empty()) {
        std::size_t size;
        switch (random() % 4) {
            case 0:
                size = 0;
                break;
            case 1:
                size = 1 + random() % 64;
                break;
            case 2:
                size = 1 + random() % 8192;
                break;
            default:
                // Nine bits per byte at worst must still fit the packed-length limit.
                size = 1 + random() % 110000;
                break;
        }
        size = std::min(size, stream.size());
        ReferenceStyle style;
        style.codeEverySymbol = styleKind(random) == 0;
        style.predictedPercent = static_cast<int>(random() % 101);
        style.zeroItemPercent = static_cast<int>(random() % 50);
        style.extraZeroDigits = styleKind(random) == 1;
        const std::string_view raw = stream.substr(0, size);
        file +=
            StoredBlock(static_cast<std::uint32_t>(size), ReferenceBlockData(raw, style, random));
        stream.remove_prefix(size);
    }
    return file;
}

}  // namespace line_file_testing
