#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// A user's practice settings: cursor, sounds, error handling, panels, metronome and
/// appearance. They are kept in the user's profile as one line of text (toText / fromText).
struct TutorSettings {
    std::int32_t blinkingCursor = 0;
    /// 0 rectangle, 1 axe, 2 pointer.
    std::int32_t cursorShape = 2;
    /// 0-3 WAV sets, 4-7 speaker sounds, 8 silence.
    std::int32_t soundType = 0;
    std::int32_t showKeyboard = 0;
    std::int32_t showHands = 0;
    std::int32_t showStatistics = 1;
    /// The ErrorHandlingMode 0-3 of the practice engine.
    std::int32_t errorMode = 0;
    /// Bit 0: metronome line; bit 1: metronome sound.
    std::int32_t metronomeFlags = 0;
    /// Strokes per minute.
    std::int32_t metronomeRate = 70;
    std::string appearance = "standard";
    /// -1 = the system's default MIDI output.
    std::int32_t midiDevice = -1;
    std::uint8_t midiChannel = 0;
    std::uint8_t midiVelocity = 50;
    std::int32_t midiNote = 60;
    std::int32_t midiProgram = 11;

    /// The fields of the text form back to their defaults; the MIDI fields stay.
    void reset();
    /// "!blink:shape:sound:errorMode:keyboard:hands:statistics:metronome:rate:appearance:".
    std::string toText() const;
    /// Reads the text form field by field. A text that is empty or does not begin with "!"
    /// changes nothing; at the first field without its closing colon the reading stops, the
    /// fields read before it keep their new values. True only when every field was read.
    bool fromText(std::string_view text);
    /// Copies the fields of the text form; the MIDI fields stay.
    void assign(const TutorSettings& other);

    bool operator==(const TutorSettings&) const = default;
};
