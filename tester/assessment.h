#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tester/char_class.h"

/// How a typed text lines up with its original: for every character of either text whether it
/// found a partner, and a position in the other text (its partner, or for a left-over character
/// the place the search had reached there).
struct Alignment {
    /// Match state of each typed character.
    std::vector<MatchMark> typedMarks;
    /// Match state of each original character.
    std::vector<MatchMark> originalMarks;
    /// For each typed character, a position in the original (may equal its length).
    std::vector<std::uint16_t> typedMap;
    /// For each original character, a position in the typed text (may equal its length).
    std::vector<std::uint16_t> originalMap;
};

/// What an alignment says about the typed text: a class per typed character, the counted
/// errors and the original text the typist skipped.
struct Classification {
    std::vector<CharClass> charClasses;
    /// Typed position of each counted error, in counting order.
    std::vector<std::uint16_t> errorPositions;
    /// Each run of original text the typist skipped, and the typed position where it was (past
    /// the typed text when the classification stopped at that omission).
    std::vector<std::string> omittedTexts;
    std::vector<std::uint16_t> omittedPositions;
};

/// The alignment of a typed text with its original and the classification of every typed
/// character. Positions are 16-bit: both texts must be at most kMaxTextLength characters
/// long; longer ones give empty results (TestData::Assess refuses them before coming here).
///
/// The alignment works with a window of characters that must agree: a main pass walks both
/// texts looking for the next common stretch near the end of the last one (a square of nearby
/// offsets first, then ever wider rings), refinement passes re-align the stretches left over
/// with smaller windows, and the classification turns the marks into character classes and
/// counts errors so that several errors inside one word count once. The working state of
/// either step lives for one call; the results are all that is left.
class Assessment {
  public:
    static constexpr std::size_t kMaxTextLength = 65535;

    Assessment() = delete;

    /// Lines the typed text up with the original.
    static Alignment Align(std::string_view original, std::string_view typed);
    /// The classes, omitted texts and errors of the typed text as the alignment has it. A typed
    /// character mapped right behind the original's end was typed beyond it (an extra
    /// character). When a map value points further out, or an array of the alignment is
    /// shorter than its text, the classification stops there and what was found so far stands.
    static Classification Classify(std::string_view original, std::string_view typed,
                                   const Alignment& alignment);
};
