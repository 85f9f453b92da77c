#include "tester/scoring.h"

#include <algorithm>
#include <numeric>

namespace {

// From this many 2-point characters in a row on, each is worth only 1 point: a long run of
// capitals is typed with Caps Lock, not with Shift for every letter.
constexpr int kFullWorthRun = 3;

int Worth(char c, std::string_view chars2, std::string_view chars3, std::string_view chars4) {
    if (chars2.find(c) != std::string_view::npos) {
        return 2;
    }
    if (chars3.find(c) != std::string_view::npos) {
        return 3;
    }
    if (chars4.find(c) != std::string_view::npos) {
        return 4;
    }
    return 1;
}

}  // namespace

std::vector<int> PointsOfCharacters(std::string_view typed,
                                    const std::vector<CharClass>& charClasses,
                                    std::string_view chars2, std::string_view chars3,
                                    std::string_view chars4) {
    const std::size_t count = std::min(typed.size(), charClasses.size());
    std::vector<int> points(typed.size(), 0);
    int runWorth = 0;
    int runLength = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const CharClass cls = charClasses[i];
        if (cls == CharClass::ExtraChar || cls == CharClass::NotAssessed || typed[i] == '\n') {
            continue;
        }
        const int worth = Worth(typed[i], chars2, chars3, chars4);
        if (worth == runWorth) {
            ++runLength;
        } else {
            runWorth = worth;
            runLength = 1;
        }
        points[i] = (worth == 2 && runLength > kFullWorthRun) ? 1 : worth;
    }
    return points;
}

int CountPoints(std::string_view typed, const std::vector<CharClass>& charClasses,
                std::string_view chars2, std::string_view chars3, std::string_view chars4) {
    const std::vector<int> points = PointsOfCharacters(typed, charClasses, chars2, chars3, chars4);
    return std::accumulate(points.begin(), points.end(), 0);
}

std::vector<int> WrongCharactersAt(std::string_view typed,
                                   const std::vector<std::string>& omittedTexts,
                                   const std::vector<std::uint16_t>& omittedPositions,
                                   const std::vector<CharClass>& charClasses) {
    const std::size_t count = std::min(typed.size(), charClasses.size());
    const std::size_t omissions = std::min(omittedTexts.size(), omittedPositions.size());
    std::vector<int> wrong(typed.size(), 0);
    for (std::size_t i = 0; i < count; ++i) {
        switch (charClasses[i]) {
            case CharClass::Correct:
                break;
            case CharClass::OmissionBefore:
            case CharClass::WrongCharAndOmission: {
                const int less = charClasses[i] == CharClass::WrongCharAndOmission ? 1 : 0;
                for (std::size_t k = 0; k < omissions; ++k) {
                    if (omittedPositions[k] == i) {
                        wrong[i] += static_cast<int>(omittedTexts[k].size()) - less;
                    }
                }
                break;
            }
            default:
                wrong[i] = 1;
                break;
        }
    }
    return wrong;
}

int CountWrongCharacters(std::string_view typed, const std::vector<std::string>& omittedTexts,
                         const std::vector<std::uint16_t>& omittedPositions,
                         const std::vector<CharClass>& charClasses) {
    const std::vector<int> wrong =
        WrongCharactersAt(typed, omittedTexts, omittedPositions, charClasses);
    return std::accumulate(wrong.begin(), wrong.end(), 0);
}

int TypedLength(std::string_view typed) {
    int length = 0;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') {
            ++i;
        }
        ++length;
    }
    return length;
}
