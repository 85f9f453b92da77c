#pragma once

#include <cstdint>

/// The sound device under the audio pump: one 16-bit mono stream. The pump opens it on its
/// own thread and is its only user.
class PcmSink {
  public:
    enum class Room { Ready, TimedOut, Lost };

    virtual ~PcmSink() = default;
    /// Opens the device at sampleRate with a small buffer; false when there is no device.
    virtual bool Open(int sampleRate) = 0;
    /// Frames handed over at a time (the device's period).
    virtual int periodFrames() const = 0;
    /// Waits up to timeoutMs until a period fits into the device's buffer.
    virtual Room WaitForRoom(int timeoutMs) = 0;
    /// Frames handed over earlier that have not been heard yet: the stream's latency now.
    virtual std::int64_t DelayFrames() = 0;
    /// Hands over one period without waiting; false when the device is gone.
    virtual bool Write(const std::int16_t* samples, int frames) = 0;
    /// Drops what is still buffered (never drains) and closes the device.
    virtual void Close() = 0;
};
