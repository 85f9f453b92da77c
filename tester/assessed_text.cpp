#include "tester/assessed_text.h"

#include <algorithm>
#include <cstdio>

#include "tester/scoring.h"
#include "tester/test_data.h"

AssessedText AssessedText::From(const TestData& data) {
    const Classification& assessment = data.classification;
    AssessedText assessed;
    assessed.text = data.typedText;
    const std::size_t n = assessed.text.size();
    assessed.classes = assessment.charClasses;
    assessed.classes.resize(n, CharClass::Correct);
    assessed.points = PointsOfCharacters(assessed.text, assessment.charClasses, data.chars2,
                                         data.chars3, data.chars4);
    assessed.wrongCharacters =
        WrongCharactersAt(assessed.text, assessment.omittedTexts, assessment.omittedPositions,
                          assessment.charClasses);
    assessed.length.assign(n, 1);
    for (std::size_t i = 1; i < n; ++i) {
        if (assessed.text[i] == '\n' && assessed.text[i - 1] == '\r') {
            assessed.length[i] = 0;
        }
    }
    assessed.errors.assign(n, 0);
    for (std::uint16_t position : assessment.errorPositions) {
        if (position < n) {
            ++assessed.errors[position];
        }
    }
    return assessed;
}

CharClass AssessedText::MarkAt(std::size_t index) const {
    if (index >= classes.size()) {
        return CharClass::Correct;
    }
    if (index > 0 && text[index] == '\n' && text[index - 1] == '\r' &&
        classes[index - 1] != CharClass::Correct) {
        return CharClass::Correct;
    }
    return classes[index];
}

std::vector<LineFigures> AssessedText::Figures(const std::vector<AssessedLine>& lines,
                                               int unit) const {
    const bool words = unit == TestData::kWordsUnit;
    const std::vector<int>& gross = words ? length : points;
    const std::vector<int>& lost = words ? wrongCharacters : errors;
    std::vector<LineFigures> figures;
    figures.reserve(lines.size());
    int total = 0;
    for (const AssessedLine& line : lines) {
        LineFigures figure;
        const std::size_t end = std::min(line.end, text.size());
        for (std::size_t i = std::min(line.begin, end); i < end; ++i) {
            total += gross[i];
            figure.errors += lost[i];
        }
        figure.runningTotal = total;
        figures.push_back(figure);
    }
    return figures;
}

std::string AssessedText::FormatRunningTotal(int total) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%5d", total);
    return buffer;
}

std::string AssessedText::FormatLineErrors(int errors) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%3d", errors);
    return buffer;
}
