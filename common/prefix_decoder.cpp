#include "common/prefix_decoder.h"

bool PrefixDecoder::Build(const PrefixCode::Lengths& lengths) {
    if (!PrefixCode::IsComplete(lengths)) {
        return false;
    }
    fast_.fill(Entry{});
    count_.fill(0);
    firstCode_.fill(0);
    firstIndex_.fill(0);
    maxLength_ = 0;

    // Same order as the canonical assignment: longest first, and within a length from the
    // highest symbol down, the code value rising by one per symbol.
    std::uint32_t code = 0;
    std::uint16_t index = 0;
    for (unsigned length = PrefixCode::kMaxLength; length >= 1; --length) {
        code /= 2;
        firstCode_[length] = code;
        firstIndex_[length] = index;
        for (std::size_t s = PrefixCode::kSymbolCount; s-- > 0;) {
            if (lengths[s] != length) {
                continue;
            }
            sorted_[index++] = static_cast<std::uint16_t>(s);
            ++count_[length];
            if (length <= kFastBits) {
                const unsigned spread = kFastBits - length;
                const std::uint32_t start = code << spread;
                for (std::uint32_t i = 0; i < (std::uint32_t{1} << spread); ++i) {
                    fast_[start + i] =
                        Entry{static_cast<std::uint16_t>(s), static_cast<std::uint8_t>(length)};
                }
            }
            ++code;
        }
        if (count_[length] != 0 && maxLength_ == 0) {
            maxLength_ = length;
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
