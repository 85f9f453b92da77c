#pragma once

#include <string>

/// One key of a key layout: where the helping keyboard draws it, what it types, and which
/// finger presses it. A character 0 means "none".
struct KeyDef {
    int row = 0;
    int column = 0;
    int size = 0;
    std::string label;
    char shifted = 0;
    char altGr = 0;
    int finger = -1;

    /// Fingers 0 to 4 are the left hand, 5 to 9 the right hand.
    bool HasFinger() const { return finger >= 0 && finger <= 9; }
    bool IsLeftHand() const { return finger >= 0 && finger <= 4; }
};
