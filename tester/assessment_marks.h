#pragma once

#include <vector>

#include "tester/assessed_text_layout.h"
#include "tester/char_class.h"

/// One stroke of a mark, in the coordinates of its line (y from the line's top).
struct MarkSegment {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;

    bool operator==(const MarkSegment&) const = default;
};

/// The strokes drawn over a character of the given class, the same on screen and on paper:
/// - WrongChar: a line at a quarter of the line height across the character;
/// - ExtraChar: lines at one half and at two thirds of the height;
/// - OmissionBefore: a ">" as wide as an "f" (fWidth), centred on the character, from a
///   quarter to three quarters of the height;
/// - WrongCharAndOmission: the ">" and the quarter-height line;
/// - NotAssessed: a small cross between one half and two thirds of the height;
/// - Correct: nothing.
std::vector<MarkSegment> MarkSegments(CharClass charClass, const CharBox& box, double lineHeight,
                                      double fWidth);
