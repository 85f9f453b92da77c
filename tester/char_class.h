#pragma once

#include <cstdint>

/// How a typed character came out of the comparison with the original. The numbers are kept
/// in the assessment arrays and decide how a character is drawn and counted.
enum class CharClass : std::uint16_t {
    Correct = 0,
    WrongChar = 1,
    ExtraChar = 3,
    /// Correct, but original text was skipped just before it.
    OmissionBefore = 6,
    /// Wrong, at a place where more original text was skipped than the wrong run covers.
    WrongCharAndOmission = 7,
    /// Part of the unfinished end of the typed text.
    NotAssessed = 8,
};

/// The alignment state of one character of either text.
enum class MatchMark : std::uint16_t {
    Unvisited = 0,
    Matched = 1,
    Unmatched = 2,
};

/// The English name of a class, for reports.
const char* CharClassName(CharClass value);
