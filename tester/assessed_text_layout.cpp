#include "tester/assessed_text_layout.h"

#include <algorithm>

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

AssessedTextLayout AssessedTextLayout::Break(std::string_view text, const Advance& advance,
                                             double width) {
    AssessedTextLayout layout;
    layout.boxes_.resize(text.size());
    const double spaceWidth = advance(' ');
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t begin = i;
        double x = 0.0;
        // Where the line may end at the latest when the next word does not fit: after the
        // last space taken.
        std::size_t afterSpace = begin;
        while (i < text.size()) {
            const char c = text[i];
            if (IsLineEnd(c)) {
                layout.boxes_[i] = {x, x + spaceWidth};
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                    layout.boxes_[i + 1] = layout.boxes_[i];
                    ++i;
                }
                ++i;
                break;
            }
            const double w = advance(static_cast<unsigned char>(c));
            if (x + w > width && i > begin) {
                if (c == ' ') {
                    layout.boxes_[i] = {x, x + w};
                    ++i;
                } else if (afterSpace > begin) {
                    // The word goes whole to the next line, where its boxes are made again.
                    i = afterSpace;
                }
                break;
            }
            layout.boxes_[i] = {x, x + w};
            x += w;
            ++i;
            if (c == ' ') {
                afterSpace = i;
            }
        }
        layout.lines_.push_back({begin, i});
    }
    return layout;
}

std::size_t AssessedTextLayout::LineOf(std::size_t index) const {
    auto it = std::upper_bound(
        lines_.begin(), lines_.end(), index,
        [](std::size_t value, const AssessedLine& line) { return value < line.end; });
    return static_cast<std::size_t>(it - lines_.begin());
}
