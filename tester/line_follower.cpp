#include "tester/line_follower.h"

#include <algorithm>

std::optional<std::size_t> LineFollower::Follow(std::string_view original, std::string_view typed) {
    const std::size_t grown = typed.size() > lastTypedLength_ ? typed.size() - lastTypedLength_ : 0;
    lastTypedLength_ = typed.size();
    const std::size_t reachEnd = std::min(original.size(), lastFound_ + 2 * grown + kReach);
    for (std::size_t length : {kLongTail, (kLongTail + kShortTail) / 2, kShortTail}) {
        if (typed.size() < length) {
            continue;
        }
        const std::string_view tail = typed.substr(typed.size() - length);
        // The place itself is the first candidate: a typist who stands still is not moved on
        // to a later copy of the same words.
        const std::size_t from = lastFound_ > length ? lastFound_ - length : 0;
        const std::size_t found = original.find(tail, from);
        if (found == std::string_view::npos || found + length > reachEnd) {
            continue;
        }
        const std::size_t position = found + length;
        if (position == lastFound_) {
            return std::nullopt;
        }
        lastFound_ = position;
        return position;
    }
    return std::nullopt;
}

void LineFollower::Reset() {
    lastFound_ = 0;
    lastTypedLength_ = 0;
}

std::size_t LineFollower::DisplayPosition(std::string_view text, std::size_t position) {
    position = std::min(position, text.size());
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < position; ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++breaks;
        }
    }
    return position - breaks;
}
