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
        std::uint32_t result = 0;
        for (unsigned i = 0; i < count; ++i) {
            const std::size_t bit = position_ + i;
            result = (result << 1) | ((data_[bit / 8] >> (7 - bit % 8)) & 1u);
        }
        position_ += count;
        value = result;
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
