#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// Collects bits most significant first into bytes, up to a fixed number of bytes. Writing
/// past that capacity is not an error at once: the writer remembers it and overflowed() tells.
class BitWriter final {
  public:
    explicit BitWriter(std::size_t capacity);

    /// Appends the low count bits of value (count at most 32), the highest of them first.
    void Put(std::uint32_t value, unsigned count) {
        pending_ = (pending_ << count) | value;
        pendingBits_ += count;
        while (pendingBits_ >= 8) {
            pendingBits_ -= 8;
            Emit(static_cast<std::uint8_t>(pending_ >> pendingBits_));
        }
    }

    /// Fills the current byte with zero bits.
    void PadToByte() {
        if (pendingBits_ != 0) {
            Put(0, 8 - pendingBits_);
        }
    }

    bool overflowed() const { return overflowed_; }
    /// The complete bytes written so far (all of them after PadToByte()).
    const std::string& bytes() const { return bytes_; }

  private:
    void Emit(std::uint8_t byte) {
        if (bytes_.size() < capacity_) {
            bytes_.push_back(static_cast<char>(byte));
        } else {
            overflowed_ = true;
        }
    }

    std::string bytes_;
    std::size_t capacity_;
    std::uint64_t pending_ = 0;
    unsigned pendingBits_ = 0;
    bool overflowed_ = false;
};
