#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tester/char_class.h"

// The counts behind the basic results of a run. Both speed units start from them: strokes
// weigh every typed character by the character-worth table and charge a fixed number of
// points per error; words take five characters as a word and subtract every wrong character.

/// The weighted gross strokes: every assessed character (extra and unassessed ones and LF
/// excepted) is worth 2, 3 or 4 points when it occurs in chars2, chars3 or chars4, else 1. From
/// the fourth 2-point character in a row on, each counts 1 point only.
int CountPoints(std::string_view typed, const std::vector<CharClass>& charClasses,
                std::string_view chars2, std::string_view chars3, std::string_view chars4);
/// What each typed character adds to CountPoints (0 for those it skips); the sum is
/// CountPoints. A run of 2-point characters goes on across line breaks.
std::vector<int> PointsOfCharacters(std::string_view typed,
                                    const std::vector<CharClass>& charClasses,
                                    std::string_view chars2, std::string_view chars3,
                                    std::string_view chars4);

/// The character-level error count of the words unit.
int CountWrongCharacters(std::string_view typed, const std::vector<std::string>& omittedTexts,
                         const std::vector<std::uint16_t>& omittedPositions,
                         const std::vector<CharClass>& charClasses);
/// What each typed character adds to CountWrongCharacters; the sum is CountWrongCharacters.
std::vector<int> WrongCharactersAt(std::string_view typed,
                                   const std::vector<std::string>& omittedTexts,
                                   const std::vector<std::uint16_t>& omittedPositions,
                                   const std::vector<CharClass>& charClasses);

/// The length of the typed text with every CR LF counted as one character.
int TypedLength(std::string_view typed);
