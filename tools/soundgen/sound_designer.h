#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// One synthesised sound and the file name it is delivered under.
struct DesignedSound {
    std::string fileName;
    std::vector<double> samples;
};

/// The recipes of the tutor's sounds. Everything is computed from fixed numbers and fixed noise
/// seeds, so every build writes the same bytes. Sounds for correct strokes stay far below 60 ms
/// so that fast typing never queues them; error sounds are short too because they hold up the
/// typist until they end. Every sound peaks at the same moderate level and fades in and out
/// so that it starts and stops without a click.
class SoundDesigner final {
  public:
    static constexpr std::uint32_t kSampleRate = 44100;
    /// Peak level of every sound: -12 dBFS.
    static constexpr double kPeak = 0.25118864315095801;

    /// The welcome chime and the correct and error sounds of the four sets ("good1.wav" ..
    /// "good4.wav", "bad1.wav" .. "bad4.wav": 1 Default, 2 Duck, 3 Typewriter, 4 Bubble).
    static std::vector<DesignedSound> AllSounds();

    static std::vector<double> WelcomeChime();
    static std::vector<double> DefaultCorrect();
    static std::vector<double> DefaultError();
    static std::vector<double> DuckCorrect();
    static std::vector<double> DuckError();
    static std::vector<double> TypewriterCorrect();
    static std::vector<double> TypewriterError();
    static std::vector<double> BubbleCorrect();
    static std::vector<double> BubbleError();
};
