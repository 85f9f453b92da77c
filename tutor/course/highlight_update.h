#pragma once

#include <string>
#include <vector>

/// What the helping keyboard and hands must draw now: keys and finger outlines to draw once
/// more in inverting mode (drawing one twice restores it), or an error text instead.
struct HighlightUpdate {
    enum class Target { Key, Finger };

    struct Inversion {
        Target target = Target::Key;
        /// A key index of the layout, or a finger (0 to 9, the outline group).
        int index = -1;

        bool operator==(const Inversion&) const = default;
    };

    /// Distance of the error text below the top of the hands area, in pixels.
    static constexpr int kErrorTextTop = 10;

    std::vector<Inversion> inversions;
    /// When not empty: write it at the left of the hands area, kErrorTextTop below its top.
    std::string errorText;
};
