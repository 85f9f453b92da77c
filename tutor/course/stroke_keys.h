#pragma once

/// The keys that type one character, as key indices of a key layout (-1 = none): the first
/// keystroke (a modifier such as Shift or AltGr, and the key) and, for a composed character,
/// the second keystroke.
struct StrokeKeys {
    int modifier1 = -1;
    int key1 = -1;
    int modifier2 = -1;
    int key2 = -1;

    bool operator==(const StrokeKeys&) const = default;
};
