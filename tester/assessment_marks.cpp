#include "tester/assessment_marks.h"

namespace {

void AddWrongLine(std::vector<MarkSegment>& segments, const CharBox& box, double h) {
    segments.push_back({box.left, h / 4, box.right, h / 4});
}

void AddArrowHead(std::vector<MarkSegment>& segments, const CharBox& box, double h, double fWidth) {
    const double centre = (box.left + box.right) / 2;
    const double half = fWidth / 2;
    segments.push_back({centre - half, h / 4, centre + half, h / 2});
    segments.push_back({centre + half, h / 2, centre - half, 3 * h / 4});
}

}  // namespace

std::vector<MarkSegment> MarkSegments(CharClass charClass, const CharBox& box, double lineHeight,
                                      double fWidth) {
    const double h = lineHeight;
    std::vector<MarkSegment> segments;
    switch (charClass) {
        case CharClass::Correct:
            break;
        case CharClass::WrongChar:
            AddWrongLine(segments, box, h);
            break;
        case CharClass::ExtraChar:
            segments.push_back({box.left, h / 2, box.right, h / 2});
            segments.push_back({box.left, 2 * h / 3, box.right, 2 * h / 3});
            break;
        case CharClass::OmissionBefore:
            AddArrowHead(segments, box, h, fWidth);
            break;
        case CharClass::WrongCharAndOmission:
            AddArrowHead(segments, box, h, fWidth);
            AddWrongLine(segments, box, h);
            break;
        case CharClass::NotAssessed:
            segments.push_back({box.left, h / 2, box.right, 2 * h / 3});
            segments.push_back({box.left, 2 * h / 3, box.right, h / 2});
            break;
    }
    return segments;
}
