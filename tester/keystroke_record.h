#pragma once

#include <cstdint>

/// One logged key event of a typing run, replayed later with the same delay.
struct KeystrokeRecord {
    static constexpr int kKeyDown = 256;
    static constexpr int kKeyUp = 257;
    static constexpr int kChar = 258;

    /// Milliseconds since the previous logged event (or since the keystroke clock restarted).
    std::int32_t delayMs = 0;
    int message = 0;
    /// Character code or virtual-key code.
    std::int32_t wParam = 0;
    /// The key message's flags word as delivered.
    std::int32_t lParam = 0;

    bool operator==(const KeystrokeRecord&) const = default;
};
