#include "common/line_container/prefix_decoder.h"

#include <algorithm>

bool PrefixDecoder::Build(const PrefixCode::Lengths& lengths) {
    // Most symbols have no code; counting them too would make every step wait for the
    // previous increment of the same counter.
    count_.fill(0);
    for (std::uint8_t length : lengths) {
        if (length > PrefixCode::kMaxLength) {
            return false;
        }
        if (length != 0) {
            ++count_[length];
        }
    }
    // Complete: the sum of 2^(30 - length) over the coded symbols is 2^30.
    std::uint64_t space = 0;
    for (unsigned length = 1; length <= PrefixCode::kMaxLength; ++length) {
        space += std::uint64_t{count_[length]} << (30 - length);
    }
    if (space != std::uint64_t{1} << 30) {
        return false;
    }

    // Same order as the canonical assignment: longest first, and within a length from the
    // highest symbol down, the code value rising by one per symbol. A complete code halves
    // evenly at every length.
    std::uint32_t code = 0;
    std::uint16_t index = 0;
    maxLength_ = 0;
    for (unsigned length = PrefixCode::kMaxLength; length >= 1; --length) {
        code /= 2;
        firstCode_[length] = code;
        firstIndex_[length] = index;
        code += count_[length];
        index = static_cast<std::uint16_t>(index + count_[length]);
        if (count_[length] != 0 && maxLength_ == 0) {
            maxLength_ = length;
        }
    }
    std::array<std::uint16_t, PrefixCode::kMaxLength + 1> next = firstIndex_;
    for (std::size_t s = PrefixCode::kSymbolCount; s-- > 0;) {
        if (lengths[s] != 0) {
            sorted_[next[lengths[s]]++] = static_cast<std::uint16_t>(s);
        }
    }

    // Codes longer than kFastBits have the lowest values, so their first kFastBits bits are
    // the entries below the first code of length kFastBits; the short codes fill the rest.
    std::fill(fast_.begin(), fast_.begin() + firstCode_[kFastBits], FastEntry{});
    for (unsigned length = 1; length <= kFastBits; ++length) {
        const unsigned spread = kFastBits - length;
        for (std::uint16_t k = 0; k < count_[length]; ++k) {
            const std::uint16_t symbol = sorted_[firstIndex_[length] + k];
            FastEntry entry;
            entry.symbol = symbol;
            entry.length = static_cast<std::uint8_t>(length);
            entry.plain = symbol < 256 || symbol == PrefixCode::kPredictedSymbol;
            if (symbol < 256) {
                entry.literalMask = 0xFFFF;
            } else {
                entry.guessMask = 0xFFFF;
            }
            const std::uint32_t start = (firstCode_[length] + k) << spread;
            for (std::uint32_t i = 0; i < (std::uint32_t{1} << spread); ++i) {
                fast_[start + i] = entry;
            }
        }
    }
    return true;
}

int PrefixDecoder::DecodeLong(std::uint64_t window, unsigned& length) const {
    for (unsigned l = kFastBits + 1; l <= maxLength_; ++l) {
        const auto value = static_cast<std::uint32_t>(window >> (64 - l));
        if (count_[l] != 0 && value >= firstCode_[l]) {
            const std::uint32_t offset = value - firstCode_[l];
            if (offset >= count_[l]) {
                return -1;
            }
            length = l;
            return sorted_[firstIndex_[l] + offset];
        }
    }
    return -1;
}
