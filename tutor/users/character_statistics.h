#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tutor/users/stroke_log.h"

/// How one character of the copy text was typed in a run.
struct CharacterEntry {
    char character = 0;
    /// Strokes where it was expected.
    int strokes = 0;
    /// Of those, the wrong ones.
    int wrong = 0;
    std::int64_t summedDelayMs = 0;
    /// The characters typed in its place, in order.
    std::string wrongTyped;

    /// Per cent of its strokes; 0 without wrong strokes.
    double ErrorRate() const { return wrong == 0 ? 0.0 : wrong * 100.0 / strokes; }
    /// Whole milliseconds.
    int AverageDelayMs() const {
        return strokes == 0 ? 0 : static_cast<int>(summedDelayMs / strokes);
    }
    /// The wrong characters as the list shows them, a wrong blank as "_".
    std::string WrongTypedText() const;
};

/// Per-character statistics of a run, one entry per character expected (at most
/// kMaxCharacters, in the order first met), with the error and speed classes of the results
/// lists.
class CharacterStatistics {
  public:
    static constexpr std::size_t kMaxCharacters = 200;
    /// Characters at least this often typed may be named as slow.
    static constexpr int kSlowMinimumStrokes = 11;

    static CharacterStatistics FromRecords(const std::vector<StrokeRecord>& records);

    const std::vector<CharacterEntry>& entries() const { return entries_; }
    /// The entries whose average delay is above 0: the rows of the two results lists.
    std::vector<CharacterEntry> TypedEntries() const;

    /// 0 (no errors or below 2.5 times the limit) to 4 (12.5 times the limit or more).
    static int ErrorClass(double errorRate, double errorLimit);
    /// 0 (below 0.4 of the delay at the speed limit) to 4 (1.6 of it or more).
    static int SpeedClass(int averageDelayMs, int speedLimit);
    /// Milliseconds per stroke at the speed limit, 0 without a limit.
    static int DelayAtLimit(int speedLimit);

    /// The characters typed wrongly, the most frequent first, separated by ", ".
    std::string WrongCharacterList() const;
    /// Characters of speed class 3 or 4 typed at least kSlowMinimumStrokes times.
    std::string SlowCharacterList(int speedLimit) const;
    /// How a character is named in the lists and the evaluation: a blank is "Space".
    static std::string DisplayName(char character);

  private:
    std::vector<CharacterEntry> entries_;
};
