#pragma once

#include <optional>

/// How the original view scrolls on behalf of the typist (PgUp, PgDn, and Tab with scrolling
/// "only downwards using Tab"). Outside a run a request moves the view at once by a third of
/// its height. During a run it moves smoothly by two thirds, one line per step (the window
/// steps every kStepMs); a request while a movement runs only stops it. Positions are lines,
/// as the view's scroll bar counts them.
class OriginalScroller {
  public:
    static constexpr int kStepMs = 50;

    enum class Direction { Up, Down };

    /// The scroll bar: current line, range and lines per page.
    struct Range {
        int value = 0;
        int minimum = 0;
        int maximum = 0;
        int pageStep = 1;
    };

    /// Outside a run: the new position, a third of a page away, within the range.
    static int StepOutsideRun(Direction direction, const Range& range);

    /// During a run: starts a movement of two thirds of a page, or stops the one that is
    /// running. True when a movement started.
    bool Request(Direction direction, const Range& range);
    /// The next line of the movement, or nothing when it is over (it ends at the top or the
    /// end of the text too).
    std::optional<int> Step(const Range& range);
    void Stop() { remaining_ = 0; }
    bool moving() const { return remaining_ > 0; }

  private:
    Direction direction_ = Direction::Down;
    int remaining_ = 0;
};
