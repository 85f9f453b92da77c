#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tester/char_class.h"

/// The alignment of a typed text with its original and the classification of every typed
/// character. Positions are 16-bit: both texts must be at most kMaxTextLength characters
/// long (TestData::Assess refuses longer ones before coming here).
///
/// The alignment works with a window of characters that must agree: a main pass walks both
/// texts looking for the next common stretch near the end of the last one (a square of nearby
/// offsets first, then ever wider rings), refinement passes re-align the stretches left over
/// with smaller windows, and the classification turns the marks into character classes and
/// counts errors so that several errors inside one word count once.
class Assessment {
  public:
    static constexpr std::size_t kMaxTextLength = 65535;

    /// Clears and recomputes every array for the given texts.
    void Run(std::string_view original, std::string_view typed);
    /// The part of Run after the alignment: classes, omitted texts and errors from the marks
    /// and maps as they stand. A typed character mapped right behind the original's end was
    /// typed beyond it (an extra character). When a map value points further out, or one of
    /// these arrays does not reach far enough, the classification stops there and what was
    /// found so far stands.
    void Classify(std::string_view original, std::string_view typed);
    void Clear();

    /// Match state of each typed character.
    std::vector<MatchMark> typedMarks;
    /// Match state of each original character.
    std::vector<MatchMark> originalMarks;
    /// For each typed character, a position in the original (may equal its length).
    std::vector<std::uint16_t> typedMap;
    /// For each original character, a position in the typed text (may equal its length).
    std::vector<std::uint16_t> originalMap;
    std::vector<CharClass> charClasses;
    /// Typed position of each counted error, in counting order.
    std::vector<std::uint16_t> errorPositions;
    /// Each run of original text the typist skipped, and the typed position where it was (past
    /// the typed text when the classification stopped at that omission).
    std::vector<std::string> omittedTexts;
    std::vector<std::uint16_t> omittedPositions;

  private:
    struct Limits {
        int o;
        int t;
    };

    bool TryMatch(int n, Limits limits);
    bool TryAt(int o, int t, int n, Limits limits);
    bool SquareSearch(int w, Limits limits);
    bool Ring(int d, int n, Limits limits);
    void MainPass();
    void RealignRight();
    void RefineRegions(int n);
    void MatchInPlace();
    bool ClassifyCharacters();
    void MarkUnfinishedEnd();
    void CountErrors();

    void Pair(int o, int t);
    void CountError(int j);
    bool IsUnmatchedOriginal(int o) const;
    bool IsUnmatchedTyped(int t) const;
    /// p moved right over unmatched original positions; -1 when that reaches the end of the
    /// original.
    int SkipUnmatchedOriginal(int p) const;
    bool HasSeparator(int from, int to) const;

    std::string_view o_;
    std::string_view t_;
    int lo_ = 0;
    int lt_ = 0;
    // The shared cursor pair and the end of the last match, moved by TryMatch and the searches.
    int posO_ = 0;
    int posT_ = 0;
    int prevO_ = 0;
    int prevT_ = 0;
    int lastError_ = -100;
    // How far the classification may read the typed and the original arrays.
    int typedEnd_ = 0;
    int originalEnd_ = 0;
};
