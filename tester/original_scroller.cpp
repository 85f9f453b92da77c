#include "tester/original_scroller.h"

#include <algorithm>

int OriginalScroller::StepOutsideRun(Direction direction, const Range& range) {
    const int step = std::max(1, range.pageStep / 3);
    const int target = direction == Direction::Up ? range.value - step : range.value + step;
    return std::clamp(target, range.minimum, std::max(range.minimum, range.maximum));
}

bool OriginalScroller::Request(Direction direction, const Range& range) {
    if (moving()) {
        Stop();
        return false;
    }
    direction_ = direction;
    remaining_ = std::max(1, range.pageStep * 2 / 3);
    return true;
}

std::optional<int> OriginalScroller::Step(const Range& range) {
    if (!moving()) {
        return std::nullopt;
    }
    const bool atEnd =
        direction_ == Direction::Up ? range.value <= range.minimum : range.value >= range.maximum;
    if (atEnd) {
        Stop();
        return std::nullopt;
    }
    --remaining_;
    return direction_ == Direction::Up ? range.value - 1 : range.value + 1;
}
