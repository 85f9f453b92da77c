#pragma once

/// What the keystroke-sound worker is asked to do.
enum class SoundRequest { None = 0, Quit = 1, Correct = 2, Error = 3 };

/// Where the practice engine sends its stroke sounds. A request made while the previous sound
/// is still playing may be dropped: typing never waits for sound.
class SoundRequestSink {
  public:
    virtual ~SoundRequestSink() = default;
    virtual void RequestSound(SoundRequest request) = 0;
};
