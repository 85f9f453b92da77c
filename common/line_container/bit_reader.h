#pragma once

#include <cstddef>
#include <cstdint>

/// Takes bits most significant first from a byte range and never reads past its end: a read
/// that would need more bits than are left fails and takes nothing.
class BitReader final {
  public:
    BitReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    /// Reads count bits (at most 32) into value.
    bool Read(unsigned count, std::uint32_t& value) {
        if (count > size_ * 8 - position_) {
            return false;
        }
        if (count == 0) {
            value = 0;
            return true;
        }
        const std::size_t first = position_ / 8;
        const std::size_t last = (position_ + count - 1) / 8;
        std::uint64_t bits = 0;
        for (std::size_t i = first; i <= last; ++i) {
            bits = bits << 8 | data_[i];
        }
        const std::size_t below = (last + 1) * 8 - (position_ + count);
        value = static_cast<std::uint32_t>((bits >> below) & ((std::uint64_t{1} << count) - 1));
        position_ += count;
        return true;
    }

    /// Skips the rest of the current byte.
    void AlignToByte() { position_ = (position_ + 7) / 8 * 8; }

    std::size_t bytePosition() const { return (position_ + 7) / 8; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};
